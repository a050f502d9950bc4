// A long text in an editable information box: every key adds exactly one line break, and
// the box shows exactly what its model holds, at the end and in the middle.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>

#include "ui/form_window.h"
#include "ui/look.h"
#include "widget_driver.h"

namespace morvane::gui {
namespace {

TEST(LongTexts, EachKeyInALongTextAddsOneLineBreakAndTheBoxShowsTheModelsText) {
    WidgetDriver d;
    d.open("frmIndexInfo");
    FormModel& f = d.app().model("frmIndexInfo");
    auto& box = static_cast<QPlainTextEdit&>(d.widget(f, "Text1"));
    const std::string mega(64 << 10, '7');           // bench/gui/long_texts times a megabyte
    box.setPlainText(QString::fromStdString(mega));  // one edit, as a paste
    std::string expected = mega + "\r\n";
    EXPECT_EQ(f.text("Text1"), expected);

    d.type(f, "Text1", "a\xF0\x9F\x98\x80", false);  // at the end: a letter and an emoji
    expected += "a\r\n\xF0\x9F\x98\x80\r\n";
    EXPECT_EQ(f.text("Text1"), expected);
    EXPECT_EQ(ui::fromDisplay(box.toPlainText()), expected);

    // In the middle: the character goes where the caret is, the line break to the end.
    QTextCursor c = box.textCursor();
    c.setPosition(5);
    box.setTextCursor(c);
    QTest::keyClick(&box, Qt::Key_Z, Qt::NoModifier);
    expected = expected.substr(0, 5) + "z" + expected.substr(5) + "\r\n";
    EXPECT_EQ(f.text("Text1"), expected);
    EXPECT_EQ(ui::fromDisplay(box.toPlainText()), expected);
    EXPECT_EQ(box.textCursor().position(), box.document()->characterCount() - 1);

    // A text the model sets shows whole, however little of it changed.
    f.setText("Text1", "kurz");
    EXPECT_EQ(ui::fromDisplay(box.toPlainText()), f.text("Text1"));
}

}  // namespace
}  // namespace morvane::gui
