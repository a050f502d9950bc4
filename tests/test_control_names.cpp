// Control names are checked against what a window declares: a misspelt name is a fault of
// the program, found when the window is built or shown as such, never as bad input.
#include <gtest/gtest.h>

#include "recording_platform.h"
#include "shell/application.h"

namespace morvane {
namespace {

class NamesForm : public FormModel {
public:
    NamesForm(Application& app, const std::string& reactionKey) : FormModel(app, "frmNames") {
        on(On::Click, reactionKey, [this] { setText("lblAusgbe", "1"); });
    }

protected:
    void design() override {
        add(Kind::Command, "cmdGo");
        add(Kind::Label, "lblAusgabe");
        add(Kind::Label, "Label1", 0);
        add(Kind::Label, "Label1", 1);
    }
};

TEST(ControlNames, AReactionForAnUndeclaredControlFailsWhenTheWindowIsBuilt) {
    RecordingPlatform platform;
    Application app(platform);
    EXPECT_THROW(NamesForm(app, "cmdGoo").init(), UnknownControl);
    EXPECT_NO_THROW(NamesForm(app, "cmdGo").init());
    EXPECT_NO_THROW(NamesForm(app, "Label1").init());  // every element of the array
    EXPECT_NO_THROW(NamesForm(app, "Label1(1)").init());
    EXPECT_THROW(NamesForm(app, "Label1(2)").init(), UnknownControl);
}

TEST(ControlNames, AnUndeclaredNameInAReactionIsShownAsAProgramFault) {
    RecordingPlatform platform;
    Application app(platform);
    NamesForm form(app, "cmdGo");
    form.create();
    form.click("cmdGo");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text.rfind(
                  "Programmfehler: frmNames: kein Steuerelement lblAusgbe", 0),
              0u);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
}

}  // namespace
}  // namespace morvane
