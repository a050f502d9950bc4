// Colours, key codes and texts as the windows show and report them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPalette>
#include <QTranslator>

#include "shell/control.h"
#include "ui/look.h"
#include "ui/qt_platform.h"

namespace morvane::ui {
namespace {

TEST(Look, FixedColoursAreExactAndSystemColoursFollowThePalette) {
    QPalette p;
    p.setColor(QPalette::Base, QColor(1, 2, 3));
    p.setColor(QPalette::ToolTipBase, QColor(4, 5, 6));
    p.setColor(QPalette::Window, QColor(7, 8, 9));
    EXPECT_EQ(toColor(Color::Red, p), QColor(255, 0, 0));
    EXPECT_EQ(toColor(Color::DarkBlue, p), QColor(0, 0, 192));
    EXPECT_EQ(toColor(Color::LightYellow, p), QColor(255, 255, 192));
    EXPECT_EQ(toColor(Color::LightRed, p), QColor(255, 192, 192));
    EXPECT_EQ(toColor(Color::WindowBackground, p), QColor(1, 2, 3));
    EXPECT_EQ(toColor(Color::ToolTipBackground, p), QColor(4, 5, 6));
    EXPECT_EQ(toColor(Color::ButtonFace, p), QColor(7, 8, 9));
    EXPECT_EQ(toColor(Color::ActiveBorder, p), QColor(7, 8, 9));
    p.setColor(QPalette::Light, QColor(250, 251, 252));
    EXPECT_EQ(toColor(Color::ButtonHighlight, p), QColor(250, 251, 252));
}

int code(int key, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent e(QEvent::KeyRelease, key, mods, text);
    return keyCode(e);
}

TEST(Look, KeyCodesOfReleasedKeys) {
    EXPECT_EQ(code(Qt::Key_A, "a"), 65);
    EXPECT_EQ(code(Qt::Key_Z, "Z", Qt::ShiftModifier), 90);
    EXPECT_EQ(code(Qt::Key_7, "7"), 55);
    EXPECT_EQ(code(Qt::Key_7, "7", Qt::KeypadModifier), 103);
    EXPECT_EQ(code(Qt::Key_Return), 13);
    EXPECT_EQ(code(Qt::Key_Enter, {}, Qt::KeypadModifier), 13);
    EXPECT_EQ(code(Qt::Key_Tab), 9);
    EXPECT_EQ(code(Qt::Key_Backtab, {}, Qt::ShiftModifier), 9);
    EXPECT_EQ(code(Qt::Key_Backspace), 8);
    EXPECT_EQ(code(Qt::Key_Delete), 46);
    EXPECT_EQ(code(Qt::Key_Left), 37);
    EXPECT_EQ(code(Qt::Key_Down), 40);
    EXPECT_EQ(code(Qt::Key_Shift), 16);
    EXPECT_EQ(code(Qt::Key_Comma, ","), 188);
    EXPECT_EQ(code(Qt::Key_Period, "."), 190);
    EXPECT_EQ(code(Qt::Key_Minus, "-"), 189);
    EXPECT_EQ(code(Qt::Key_Comma, ",", Qt::KeypadModifier), 110);
    EXPECT_EQ(code(Qt::Key_F1), 112);
}

TEST(Look, LineBreaksAndPictures) {
    EXPECT_EQ(toDisplay("a\r\nb\rc"), QString("a\nb\nc"));
    EXPECT_EQ(fromDisplay("a\nb"), "a\r\nb");
    EXPECT_EQ(picturePath("thomson_weir.svg"), QString(":/pictures/thomson_weir.svg"));
    EXPECT_EQ(picturePath(""), QString());
}

TEST(Look, QtSpeaksGerman) {
    QTranslator german;
    ASSERT_TRUE(installQtGerman(german));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Ja"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&No"), QString("&Nein"));
    QCoreApplication::removeTranslator(&german);
}

}  // namespace
}  // namespace morvane::ui
