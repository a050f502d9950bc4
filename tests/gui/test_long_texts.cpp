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

// A word longer than a line, pasted whole (a megabyte of digits took minutes to lay out when
// lines broke only at word boundaries): the box breaks anywhere while it holds such a word and
// at word boundaries again once it is gone, and shows the model's text throughout.
TEST(LongTexts, ABoxBreaksAnywhereOnlyWhileItHoldsAWordLongerThanALine) {
    WidgetDriver d;
    d.open("frmEuro");
    FormModel& f = d.app().model("frmEuro");
    auto& box = static_cast<QPlainTextEdit&>(d.widget(f, "NettoEuro"));
    auto wrap = [&] { return box.document()->defaultTextOption().wrapMode(); };
    EXPECT_EQ(wrap(), QTextOption::WrapAtWordBoundaryOrAnywhere);

    const std::string word(256 << 10, '1');  // a megabyte took minutes
    d.paste(f, "NettoEuro", word);
    EXPECT_EQ(wrap(), QTextOption::WrapAnywhere);
    EXPECT_EQ(ui::fromDisplay(box.toPlainText()), f.text("NettoEuro"));

    f.setText("NettoEuro", "100");
    EXPECT_EQ(wrap(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    EXPECT_EQ(ui::fromDisplay(box.toPlainText()), "100");
}

}  // namespace
}  // namespace morvane::gui
