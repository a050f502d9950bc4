// morvane-gui-replay's driver on a small window: typing arrives as key events at the
// focused widget, message boxes are shown and answered by Enter once, the real menus are
// opened with the mouse, and the checks read the widgets rather than the model.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalBlocker>
#include <sstream>

#include "replay.h"
#include "shell/application.h"
#include "shell/number_text.h"
#include "ui/form_window.h"
#include "widget_driver.h"

namespace morvane::gui {
namespace {

class ReplayProbe : public FormModel {
public:
    static constexpr const char* Name = "frmReplayProbe";
    explicit ReplayProbe(Application& app) : FormModel(app, Name) {
        on(On::KeyPress, "txtA", [](Event& e) {
            if (e.key == 'x') e.key = 0;
        });
        on(On::KeyUp, "txtA", [this] {
            ++keyUpsA;
            guarded({.text = "Tippfehler", .reset = {{"txtA", "0"}}},
                    [this] { setNumber("lblOut", num("txtA") * 2); });
        });
        on(On::KeyUp, "txtB", [this](Event& e) { keyUpsB.push_back(e.key); });
        on(On::Click, "cmdGo", [this] { setText("lblOut", "Los"); });
        on(On::Submenu, "mnuUnter", [this] { ++submenus; });
        on(On::Click, "mnuEintrag", [this] { setText("lblOut", "Menü"); });
        on(On::MouseMove, "txtFlieht",
           [this] { setLeft("txtFlieht", c("txtFlieht").left == 3200 ? 1700 : 3200); });
    }
    int keyUpsA = 0, submenus = 0;
    std::vector<int> keyUpsB;

protected:
    void design() override {
        win().title = "Probe";
        win().clientWidth = 5000;
        win().clientHeight = 2500;
        add(Kind::Menu, "mnuDatei").caption("Datei");
        add(Kind::Menu, "mnuUnter").caption("Unter").menuOf("mnuDatei");
        add(Kind::Menu, "mnuEintrag").caption("Eintrag").menuOf("mnuUnter");
        add(Kind::TextBox, "txtA").at(120, 120, 1500, 285).tab(0);
        add(Kind::TextBox, "txtB").at(120, 480, 1500, 285).tab(1);
        add(Kind::Command, "cmdGo").caption("Los").at(1800, 120, 1200, 375).tab(2);
        add(Kind::Label, "lblOut").at(120, 900, 1500, 255).framed();
        // A box of lines lower than one line of its text.
        add(Kind::TextBox, "txtFlach").at(120, 1320, 1500, 150).multi().tab(3);
        // A box below the window's lower edge, and one that a movement over it moves away.
        add(Kind::TextBox, "txtUnten").at(120, 2600, 1500, 285).tab(4);
        add(Kind::TextBox, "txtFlieht").at(3200, 1320, 1500, 285).tab(5);
        // Two controls in one place, each with a text of its own: one covers the other.
        add(Kind::TextBox, "txtVerdeckt").caption("Inhalt").at(1800, 600, 1200, 285).tab(6);
        add(Kind::Command, "cmdDeckel").caption("Deckel").at(1800, 600, 1200, 285).tab(7);
    }
};
MORVANE_REGISTER_FORM(ReplayProbe);

// Counts the key events that reach a widget, and the message boxes that are shown.
class EventCount : public QObject {
public:
    EventCount() { qApp->installEventFilter(this); }
    ~EventCount() override { qApp->removeEventFilter(this); }
    std::map<std::string, int> presses, releases;
    int boxesShown = 0, boxEnters = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w) return false;
        if (e->type() == QEvent::Show && qobject_cast<QMessageBox*>(w)) ++boxesShown;
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
            auto* k = static_cast<QKeyEvent*>(e);
            if (k->key() == Qt::Key_Return && e->type() == QEvent::KeyPress &&
                qobject_cast<QMessageBox*>(w->window()))
                ++boxEnters;
            const std::string name = w->objectName().toStdString();
            ++(e->type() == QEvent::KeyPress ? presses : releases)[name];
        }
        return false;
    }
};

class GuiReplay : public ::testing::Test {
protected:
    ReplayResult run(const std::string& script) {
        std::istringstream in(script);
        std::ostringstream out;
        const ReplayResult r = runScenario(in, "probe", out, driver);
        output += out.str();
        return r;
    }
    void expectClean(const std::string& script) {
        const ReplayResult r = run(script);
        EXPECT_EQ(r.failed, 0) << output;
        EXPECT_GT(r.passed, 0);
    }
    ReplayProbe& probe() { return static_cast<ReplayProbe&>(driver.app().model("frmReplayProbe")); }

    WidgetDriver driver;
    std::string output;
};

TEST_F(GuiReplay, TypingIsOneKeyPressAndReleasePerCharacterAtTheFocusedWidget) {
    EventCount count;
    expectClean(R"(open frmReplayProbe
type txtA "1x2"
expect txtA "12"
expect lblOut "24"
retype txtA "5"
expect txtA "5"
expect lblOut "10"
expect nomessage
)");
    // The field is focused and selected with the mouse: only the characters are keys.
    EXPECT_EQ(count.presses["txtA"], 4);
    EXPECT_EQ(count.releases["txtA"], 4);
    EXPECT_EQ(probe().keyUpsA, 4);
}

TEST_F(GuiReplay, MessageBoxIsShownAnsweredByEnterOnceAndItsReleaseIsSwallowed) {
    EventCount count;
    expectClean(R"(open frmReplayProbe
type txtA "a"
expect message "Eingabefehler" "{nonumber}\r\nTippfehler"
expect txtA "0"
expect nomessage
)");
    EXPECT_EQ(count.boxesShown, 1);
    EXPECT_EQ(count.boxEnters, 1);
    // The release of the Enter that closed the box never reached the field as a key.
    EXPECT_EQ(probe().keyUpsA, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(GuiReplay, ChecksReadTheWidgetsNotTheModel) {
    ASSERT_EQ(run("open frmReplayProbe\n").failed, 0) << output;
    auto* edit = qobject_cast<QLineEdit*>(driver.formWindow("frmReplayProbe").widgetFor("txtA"));
    ASSERT_NE(edit, nullptr);
    {
        QSignalBlocker block(edit);  // behind the model's back
        edit->setText(QStringLiteral("anders"));
        edit->setEnabled(false);
    }
    const ReplayResult r =
        run("form frmReplayProbe\nexpect txtA \"anders\"\nexpect txtA.enabled false\n"
            "expect txtA.width 1500\nexpect txtA.left 120\nexpect txtA \"\"\ntype txtA \"1\"\n");
    EXPECT_EQ(r.passed, 4) << output;
    EXPECT_EQ(r.failed, 2) << output;
    EXPECT_NE(output.find("probe:6: expected \"\", found \"anders\""), std::string::npos) << output;
    EXPECT_NE(output.find("probe:7: error: control txtA is disabled or invisible"),
              std::string::npos)
        << output;
    EXPECT_EQ(probe().text("txtA"), "");
}

TEST_F(GuiReplay, MenusOpenWithTheMouseAndTabMovesThroughTheFocusChain) {
    expectClean(R"(open frmReplayProbe
submenu mnuUnter
expect lblOut ""
menu mnuEintrag
expect lblOut "Menü"
key txtA Tab
click cmdGo
expect lblOut "Los"
close frmReplayProbe
expect closed frmReplayProbe
)");
    EXPECT_EQ(probe().submenus, 2);  // once shown alone, once on the way to its entry
    EXPECT_EQ(probe().keyUpsB, std::vector<int>{Key::Tab});
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(GuiReplay, ABoxOfLinesLowerThanALineIsSelectedWholeForRetypeAndPaste) {
    expectClean(R"(open frmReplayProbe
paste txtFlach "eins\r\nzwei\r\ndrei"
expect txtFlach "eins\r\nzwei\r\ndrei"
retype txtFlach "vier"
expect txtFlach "vier"
type txtFlach "\r\nfünf"
expect txtFlach "vier\r\nfünf"
paste txtFlach "sechs"
expect txtFlach "sechs"
paste txtFlach ""
expect txtFlach ""
)");
}

TEST_F(GuiReplay, AControlOutsideTheWindowOrMovingAwayFromTheMouseCannotBeClicked) {
    const ReplayResult r = run(R"(open frmReplayProbe
type txtUnten "1"
type txtFlieht "1"
expect txtFlieht ""
)");
    EXPECT_EQ(r.failed, 2) << output;
    EXPECT_NE(output.find("probe:2: error: control txtUnten is disabled or invisible"),
              std::string::npos)
        << output;
    EXPECT_NE(output.find("probe:3: error: control txtFlieht is gone from under the mouse"),
              std::string::npos)
        << output;
}

TEST_F(GuiReplay, ACoveredControlIsNamedByItsControlNameAsInTheWindowsRunner) {
    const ReplayResult r = run("open frmReplayProbe\nclick txtVerdeckt\nclick cmdDeckel\n");
    // Whichever of the two lies on top, the other one cannot be clicked; both are named as
    // the scripts write them, neither by the text it shows.
    EXPECT_EQ(r.failed, 1) << output;
    EXPECT_TRUE(output.find("probe:2: error: control txtVerdeckt is covered by cmdDeckel") !=
                    std::string::npos ||
                output.find("probe:3: error: control cmdDeckel is covered by txtVerdeckt") !=
                    std::string::npos)
        << output;
}

}  // namespace
}  // namespace morvane::gui
