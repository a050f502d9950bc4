// The keyboard as a user holds it: real key events through the windows' own delivery (to
// the window with the keyboard focus, redirected to an open menu), real message boxes,
// auto-repeat, the Return that chose a menu entry, AltGr symbols in guarded fields, the
// selection at open, Enter on buttons, and copying results with mouse, keys and menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#include "shell/application.h"
#include "ui/copy_support.h"
#include "ui/form_window.h"
#include "ui/look.h"
#include "ui/qt_platform.h"
#include "ui/window_manager.h"
#include "window_test.h"

namespace morvane::ui {
namespace {

// A window whose reactions show message boxes from a key press and from a key release, in
// a single-line and in a multi-line field, and count what reaches them.
class KeyProbeForm : public FormModel {
public:
    static constexpr const char* Name = "frmKeyProbe";
    explicit KeyProbeForm(Application& app) : FormModel(app, Name) {
        on(On::KeyPress, "txtZahl", [this](Event& e) {
            if (e.key == Key::Enter) message("Enter in txtZahl", "Probe");
        });
        on(On::KeyUp, "txtZahl", [this](Event& e) {
            keyUps.push_back("txtZahl:" + std::to_string(e.key));
            guarded({.text = "Tippfehler"}, [this] { (void)num("txtZahl"); });
        });
        on(On::KeyUp, "txtNotiz", [this](Event& e) {
            keyUps.push_back("txtNotiz:" + std::to_string(e.key));
            if (e.key == 'X') message("x in txtNotiz", "Probe");
        });
        on(On::Click, "cmdZählen", [this] { ++clicks; });
    }
    std::vector<std::string> keyUps;
    int clicks = 0;

protected:
    void design() override {
        win().title = "Tastenprobe";
        win().clientWidth = 6000;
        win().clientHeight = 3000;
        win().focus = "txtZahl";
        add(Kind::TextBox, "txtZahl").caption("0").at(120, 120, 1500, 285).tab(0);
        add(Kind::TextBox, "txtNotiz").at(120, 480, 3000, 900).multi().tab(1);
        add(Kind::Command, "cmdZählen").caption("Zählen").at(3300, 120, 1200, 375).tab(2);
        add(Kind::Label, "lblErgebnis").caption("1.234,5 ").at(120, 1500, 1500, 255).output();
        add(Kind::Label, "Label1").caption("Ergebnis").at(1800, 1500, 1500, 255);
    }
};
MORVANE_REGISTER_FORM(KeyProbeForm);

// The program's own platform with real message boxes. Each box is answered by the next
// scripted answer; a box nobody scripted is recorded and not shown, so that a fault shows
// as a count instead of a hang.
class BoxPlatform : public QtPlatform {
public:
    void message(const std::string& text, const std::string& title, MessageIcon icon) override {
        messages.push_back(title + "|" + text);
        if (answers.empty()) return;
        auto answer = std::move(answers.front());
        answers.erase(answers.begin());
        QTimer::singleShot(0, [answer = std::move(answer)] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            box->activateWindow();  // as the window manager does
            QCoreApplication::processEvents();
            answer(box);
            if (box->isVisible()) box->done(QMessageBox::Ok);  // never left open
        });
        QWidget* behind = QApplication::activeWindow();
        QtPlatform::message(text, title, icon);
        if (behind) {  // the window manager gives the window behind the keyboard again
            behind->activateWindow();
            (void)QTest::qWaitForWindowActive(behind, 1000);
        }
    }
    std::vector<std::string> messages;
    std::vector<std::function<void(QMessageBox*)>> answers;
};

// Keys as the keyboard sends them: to an open menu, else to the focus widget of an open
// message box, else to the focus widget of the active window.
QWidget* keyboardTarget() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal->focusWidget() ? modal->focusWidget() : modal;
    if (QWidget* f = QApplication::focusWidget()) return f;
    return QApplication::activeWindow();
}
void key(bool press, int code, const QString& text = {}, bool repeat = false,
         Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* target = keyboardTarget();
    if (!target && !press) return;  // the box closed by the press has gone: no window has it
    ASSERT_NE(target, nullptr) << "no window has the keyboard focus";
    QTest::simulateEvent(target, press, code, mods, text, repeat);
}
void click(int code, const QString& text = {}) {
    key(true, code, text);
    key(false, code, text);
}
void type(const QString& digits) {
    for (QChar ch : digits) click(ch.unicode(), QString(ch));
}
// Holding a key past the keyboard's delay: auto-repeated presses, then the release.
void holdAfterPress(int code, const QString& text, int repeats) {
    for (int i = 0; i < repeats; ++i) key(true, code, text, true);
    key(false, code, text);
}

class Keyboard : public WindowTest<BoxPlatform> {
protected:
    void SetUp() override { watch("a keyboard test", 15); }
    KeyProbeForm& probe() { return static_cast<KeyProbeForm&>(app.model("frmKeyProbe")); }
};

// ---- Keys pressed elsewhere ----

QString textOf(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* m = qobject_cast<QPlainTextEdit*>(w)) return m->toPlainText();
    return {};
}

// Opens the menus of the path with the mouse's hover (the bar's title, then each submenu)
// and chooses the last entry with a real Return press; the release is not sent.
void pressReturnOnEntry(FormWindow* start, const std::vector<const char*>& path) {
    QMenuBar* bar = start->menuBar();
    ASSERT_NE(bar, nullptr);
    QAction* top = start->actionFor(path.front());
    ASSERT_NE(top, nullptr) << path.front();
    bar->setActiveAction(top);  // opens its menu, or highlights an entry of the bar
    if (path.size() == 1) {
        bar->setFocus(Qt::ShortcutFocusReason);
        key(true, Qt::Key_Return);
        return;
    }
    for (std::size_t i = 1; i < path.size(); ++i) {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << "no open menu before " << path[i];
        QAction* entry = start->actionFor(path[i]);
        ASSERT_NE(entry, nullptr) << path[i];
        menu->setActiveAction(entry);
        if (i + 1 < path.size()) {
            key(true, Qt::Key_Right);  // opens the submenu
            key(false, Qt::Key_Right);
            QTRY_VERIFY(QApplication::activePopupWidget() != menu);
        }
    }
    key(true, Qt::Key_Return);
}

TEST_F(Keyboard, ReturnOnAMenuEntryDoesNotReachTheNewWindow) {
    struct Case {
        std::vector<const char*> path;
        const char* form;
    };
    const std::vector<Case> cases = {
        {{"Technik", "kanhy", "Gefällegegeben"}, "frmGefaelle_gegeben"},
        {{"Technik", "Entwässerung"}, "frmSchlammEindick"},
        {{"Sonstiges", "Kreis"}, "frmKreis"},
        {{"Umsatzsteuer"}, "frmEuro"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        FormWindow* start = open("frmStart");
        ASSERT_NE(start, nullptr);
        pressReturnOnEntry(start, c.path);
        FormWindow* w = windows.window(c.form);
        ASSERT_NE(w, nullptr) << "the entry did not open its window";
        (void)QTest::qWaitForWindowActive(w, 1000);
        ASSERT_EQ(QApplication::activeWindow(), w);
        FormModel& m = app.model(c.form);
        const std::string field = m.focus();
        ASSERT_FALSE(field.empty());
        auto* edit = find<QWidget>(w, field.c_str());
        ASSERT_NE(edit, nullptr) << field;
        const QString before = textOf(edit);
        // The key comes up in the new window's first field, and auto-repeats before that.
        holdAfterPress(Qt::Key_Return, QStringLiteral("\r"), 3);
        EXPECT_TRUE(platform.messages.empty()) << platform.messages.front();
        EXPECT_EQ(textOf(edit), before);
        // The next key typed there is the user's.
        click(Qt::Key_Tab);
        EXPECT_NE(m.focus(), field);
        platform.messages.clear();
        app.close(c.form);
    }
}

TEST_F(Keyboard, HeldEnterOnAMessageBoxClosesItOnce) {
    FormWindow* w = open("frmKeyProbe");
    ASSERT_NE(w, nullptr);
    auto* zahl = find<QLineEdit>(w, "txtZahl");
    auto* notiz = find<QPlainTextEdit>(w, "txtNotiz");
    ASSERT_EQ(QApplication::focusWidget(), zahl);

    // A letter in the guarded field: its release shows the box; Enter pressed on the box
    // closes it and is held, so that its repeats and its release come to the field.
    bool boxClosed = false;
    platform.answers.push_back([&](QMessageBox* box) {
        key(true, Qt::Key_Return, QStringLiteral("\r"));
        boxClosed = !box->isVisible();
    });
    click(Qt::Key_X, QStringLiteral("x"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(boxClosed) << "Enter did not close the box";
    activate(w);  // the window manager gives the window back the keyboard
    ASSERT_EQ(QApplication::focusWidget(), zahl);
    holdAfterPress(Qt::Key_Return, QStringLiteral("\r"), 10);
    EXPECT_EQ(platform.messages.size(), 1u) << "the box came back: " << platform.messages.back();
    EXPECT_EQ(probe().keyUps, std::vector<std::string>{"txtZahl:88"});

    // The same in the multi-line field: the repeats add no line breaks.
    notiz->setFocus(Qt::TabFocusReason);
    probe().keyUps.clear();
    platform.answers.push_back([](QMessageBox*) { key(true, Qt::Key_Return, "\r"); });
    click(Qt::Key_X, QStringLiteral("x"));
    ASSERT_EQ(platform.messages.size(), 2u);
    activate(w);
    ASSERT_EQ(QApplication::focusWidget(), notiz);
    holdAfterPress(Qt::Key_Return, QStringLiteral("\r"), 10);
    EXPECT_EQ(notiz->toPlainText(), QString("x"));
    EXPECT_EQ(app.model("frmKeyProbe").text("txtNotiz"), "x");
    EXPECT_EQ(probe().keyUps, std::vector<std::string>{"txtNotiz:88"});

    // Enter pressed in the field itself still reaches it, repeats included.
    notiz->moveCursor(QTextCursor::End);
    key(true, Qt::Key_Return, QStringLiteral("\r"));
    holdAfterPress(Qt::Key_Return, QStringLiteral("\r"), 2);
    EXPECT_EQ(notiz->toPlainText(), QString("x\n\n\n"));
    EXPECT_EQ(probe().keyUps, (std::vector<std::string>{"txtNotiz:88", "txtNotiz:13"}));
}

TEST_F(Keyboard, HeldEnterOnTheBoxOfAnEnterReaction) {
    // txtZahl shows a box when Enter goes down in it. Holding that Enter must not close the
    // box unseen, and the Enter that closes it must not open it again.
    FormWindow* w = open("frmKeyProbe");
    ASSERT_NE(w, nullptr);
    int shownWhileRepeating = 0;
    platform.answers.push_back([&](QMessageBox* box) {
        for (int i = 0; i < 5; ++i) key(true, Qt::Key_Return, QStringLiteral("\r"), true);
        shownWhileRepeating = box->isVisible() ? 1 : 0;
        key(false, Qt::Key_Return, QStringLiteral("\r"));
        key(true, Qt::Key_Return, QStringLiteral("\r"));  // read, then pressed again
    });
    key(true, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(shownWhileRepeating, 1) << "the repeats of the field's Enter closed the box";
    activate(w);
    holdAfterPress(Qt::Key_Return, QStringLiteral("\r"), 10);
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Probe|Enter in txtZahl"});
    EXPECT_TRUE(probe().keyUps.empty());
}

TEST_F(Keyboard, DewateringEnterBoxDoesNotComeBackWhileEnterIsHeld) {
    // The dry-solids field confirms on Enter; an empty field fails and would show its box
    // again on every Enter that reaches it.
    FormWindow* w = open("frmSchlammEindick");
    ASSERT_NE(w, nullptr);
    type(QStringLiteral("1000"));  // population: shows the column with the dry solids
    auto* ts = find<QLineEdit>(w, "txtTS");
    ASSERT_TRUE(ts && ts->isVisible());
    ts->setFocus(Qt::TabFocusReason);
    ts->clear();
    platform.messages.clear();
    // Enter goes down in the field: the box. It comes up on the box; the user reads, then
    // presses Enter on the box and holds it.
    platform.answers.push_back([](QMessageBox*) {
        key(false, Qt::Key_Return, QStringLiteral("\r"));
        key(true, Qt::Key_Return, QStringLiteral("\r"));
    });
    key(true, Qt::Key_Return, QStringLiteral("\r"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].substr(0, 14), "Eingabefehler|");
    ASSERT_EQ(QApplication::focusWidget(), ts);
    holdAfterPress(Qt::Key_Return, QStringLiteral("\r"), 10);
    EXPECT_EQ(platform.messages.size(), 1u) << "the box came back";
    // The next Enter is the user's again.
    key(true, Qt::Key_Return, QStringLiteral("\r"));
    key(false, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(platform.messages.size(), 2u);
}

TEST_F(Keyboard, AKeyPressedInAnotherWindowIsNotReleasedHere) {
    FormWindow* start = open("frmStart");
    FormWindow* w = open("frmKeyProbe");
    ASSERT_TRUE(start && w);
    activate(start);
    key(true, Qt::Key_7, QStringLiteral("7"));
    activate(w);
    key(true, Qt::Key_7, QStringLiteral("7"), true);
    key(false, Qt::Key_7, QStringLiteral("7"));
    EXPECT_TRUE(probe().keyUps.empty());
    EXPECT_EQ(find<QLineEdit>(w, "txtZahl")->text(), QString("0"));
}

// ---- Every key release reaches the reactions ----

TEST_F(Keyboard, AltGrSymbolsInAGuardedFieldRaiseTheGuard) {
    FormWindow* w = open("frmBodendruck");
    ASSERT_NE(w, nullptr);
    auto* txtd = find<QLineEdit>(w, "txtd");
    ASSERT_EQ(QApplication::focusWidget(), txtd);
    type(QStringLiteral("12"));
    const QString area = find<QLabel>(w, "lblFläche")->text();
    EXPECT_NE(area, QString("0,0000 "));
    // AltGr+E: the € goes down and up while AltGr is held; AltGr comes up on the box.
    platform.answers.push_back([](QMessageBox*) {
        key(false, Qt::Key_AltGr);
        click(Qt::Key_Return, QStringLiteral("\r"));
    });
    key(true, Qt::Key_AltGr);
    key(true, 0x20AC, QStringLiteral("€"), false, Qt::GroupSwitchModifier);
    key(false, 0x20AC, QStringLiteral("€"), false, Qt::GroupSwitchModifier);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].substr(0, 14), "Eingabefehler|");
    EXPECT_EQ(txtd->text(), QString());
    EXPECT_EQ(find<QLabel>(w, "lblFläche")->text(),
              qs(app.model("frmBodendruck").text("lblFläche")));

    // Every other key without a code of its own is released into the field as well.
    FormModel& m = app.model("frmBodendruck");
    for (auto [code, text] : std::vector<std::pair<int, const char*>>{{Qt::Key_twosuperior, "²"},
                                                                      {Qt::Key_At, "@"},
                                                                      {Qt::Key_mu, "µ"},
                                                                      {Qt::Key_BraceLeft, "{"},
                                                                      {Qt::Key_BracketRight, "]"},
                                                                      {Qt::Key_Backslash, "\\"},
                                                                      {Qt::Key_AsciiTilde, "~"},
                                                                      {0x2030, "‰"}}) {
        SCOPED_TRACE(text);
        platform.messages.clear();
        m.setText("txtd", "5");
        txtd->setCursorPosition(1);
        platform.answers.push_back([](QMessageBox*) { click(Qt::Key_Return, "\r"); });
        click(code, QString::fromUtf8(text));
        EXPECT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(txtd->text(), QString());
    }
}

TEST(KeyCodes, SymbolsWithoutACodeOfTheirOwn) {
    auto code = [](int k, const char* text) {
        QKeyEvent e(QEvent::KeyRelease, k, Qt::NoModifier, QString::fromUtf8(text));
        return keyCode(e);
    };
    EXPECT_EQ(code(0x20AC, "€"), 'E');
    EXPECT_EQ(code(Qt::Key_twosuperior, "²"), '2');
    EXPECT_EQ(code(Qt::Key_At, "@"), 'Q');
    EXPECT_EQ(code(Qt::Key_mu, "µ"), 'M');
    EXPECT_EQ(code(Qt::Key_BraceLeft, "{"), '7');
    EXPECT_EQ(code(Qt::Key_BraceRight, "}"), '0');
    EXPECT_EQ(code(Qt::Key_Backslash, "\\"), 219);
    EXPECT_EQ(code(Qt::Key_AsciiTilde, "~"), 187);
    EXPECT_EQ(code(Qt::Key_AltGr, ""), 18);
    EXPECT_EQ(code(Qt::Key_Egrave, "è"), OtherKey);
    EXPECT_EQ(code(Qt::Key_unknown, ""), OtherKey);
}

// ---- Focus at open, buttons ----

TEST_F(Keyboard, TheFieldFocusedAtOpenIsSelected) {
    FormWindow* w = open("frmGefaelle_gegeben");
    ASSERT_NE(w, nullptr);
    auto* dn = find<QLineEdit>(w, "txtDN");
    ASSERT_EQ(QApplication::focusWidget(), dn);
    const QString design = qs(app.model("frmGefaelle_gegeben").text("txtDN"));
    EXPECT_FALSE(design.isEmpty());
    EXPECT_EQ(dn->selectedText(), design);
    type(QStringLiteral("300"));
    EXPECT_EQ(dn->text(), QString("300"));
    EXPECT_EQ(app.model("frmGefaelle_gegeben").text("txtDN"), "300");

    // Only at open: a field the focus comes back to keeps its caret.
    auto* mue = find<QLineEdit>(w, "txtmue");
    mue->setFocus(Qt::MouseFocusReason);
    dn->setFocus(Qt::OtherFocusReason);
    EXPECT_FALSE(dn->hasSelectedText());
}

TEST_F(Keyboard, AFocusedButtonAnswersEnterAndSpace) {
    FormWindow* w = open("frmBodendruck");
    ASSERT_NE(w, nullptr);
    auto* button = find<QPushButton>(w, "Command1");
    button->setFocus(Qt::TabFocusReason);
    click(Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(find<QLineEdit>(w, "txtd")->text(), QString("1128,37784777716"));
    EXPECT_TRUE(platform.messages.empty());

    FormWindow* p = open("frmKeyProbe");
    ASSERT_NE(p, nullptr);
    auto* count = find<QPushButton>(p, "cmdZählen");
    count->setFocus(Qt::TabFocusReason);
    click(Qt::Key_Enter, QStringLiteral("\r"));
    click(Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(probe().clicks, 2);
    key(true, Qt::Key_Return, QStringLiteral("\r"));  // held: one click
    holdAfterPress(Qt::Key_Return, QStringLiteral("\r"), 5);
    EXPECT_EQ(probe().clicks, 3);
}

// ---- Copying results ----

QPoint inWindow(QWidget* w, QPoint p) { return w->mapTo(w->window(), p); }

TEST_F(Keyboard, OutputLabelsAreSelectableAndCopyableWithoutBecomingTabStops) {
    FormWindow* w = open("frmKeyProbe");
    ASSERT_NE(w, nullptr);
    auto* result = find<QLabel>(w, "lblErgebnis");
    auto* caption = find<QLabel>(w, "Label1");
    EXPECT_TRUE(result->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_EQ(caption->textInteractionFlags() & Qt::TextSelectableByMouse, 0);

    // Tab visits the inputs only, in their order, as before.
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        visited << QApplication::focusWidget()->objectName();
        click(Qt::Key_Tab);
    }
    EXPECT_EQ(visited, (QStringList{"txtZahl", "txtNotiz", "cmdZählen", "txtZahl"}));

    // Dragging the mouse across the label selects its text; Ctrl+C copies the selection.
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const std::string formFocus = app.model("frmKeyProbe").focus();
    QWindow* window = w->windowHandle();
    const int y = result->height() / 2;
    QTest::mousePress(window, Qt::LeftButton, {}, inWindow(result, QPoint(2, y)));
    QTest::mouseMove(window, inWindow(result, QPoint(result->width() / 2, y)));
    QTest::mouseMove(window, inWindow(result, QPoint(result->width() - 2, y)));
    QTest::mouseRelease(window, Qt::LeftButton, {},
                        inWindow(result, QPoint(result->width() - 2, y)));
    EXPECT_TRUE(result->hasSelectedText());
    EXPECT_EQ(QApplication::focusWidget(), result);
    EXPECT_EQ(app.model("frmKeyProbe").focus(), formFocus);  // the form's focus stays
    const QString selected = result->selectedText();
    click(Qt::Key_C, QStringLiteral("c"));  // without Ctrl: nothing
    EXPECT_EQ(clipboard->text(), QString());
    key(true, Qt::Key_C, QStringLiteral("\x03"), false, Qt::ControlModifier);
    key(false, Qt::Key_C, QStringLiteral("\x03"), false, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), selected);
    EXPECT_TRUE(QString("1.234,5 ").contains(selected));

    // Tab from the label goes on to an input again.
    click(Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), result);
}

// Opens the context menu of a widget with a real right click and runs act on it.
void contextMenu(QWidget* w, const std::function<void(QMenu*)>& act) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        shown = menu != nullptr;
        if (menu) act(menu);
        if (QApplication::activePopupWidget()) QApplication::activePopupWidget()->close();
    });
    QTest::mouseClick(w->window()->windowHandle(), Qt::RightButton, {},
                      inWindow(w, QPoint(3, w->height() / 2)));
    EXPECT_TRUE(shown) << "no context menu";
    w->window()->activateWindow();
    (void)QTest::qWaitForWindowActive(w->window(), 1000);
}

void choose(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions())
        if (a->text() == text) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
            return;
        }
    ADD_FAILURE() << "no entry " << text.toStdString();
}

TEST_F(Keyboard, ResultsHaveAGermanCopyMenu) {
    FormWindow* w = open("frmJKKKA");
    ASSERT_NE(w, nullptr);
    QClipboard* clipboard = QGuiApplication::clipboard();
    FormModel& m = app.model("frmJKKKA");

    // A read-only result box and an output label: "Kopieren" copies the whole text where
    // nothing is selected; "Alles auswählen" selects it.
    auto* box = find<QLineEdit>(w, "lblBK");
    ASSERT_TRUE(box && box->isReadOnly());
    m.setText("lblBK", "1.234,56 ");
    QStringList entries;
    contextMenu(box, [&](QMenu* menu) {
        for (QAction* a : menu->actions()) entries << a->text();
        choose(menu, "Kopieren");
    });
    EXPECT_EQ(entries, (QStringList{"Kopieren", "Alles auswählen"}));
    EXPECT_EQ(clipboard->text(), QString("1.234,56 "));
    contextMenu(box, [](QMenu* menu) { choose(menu, "Alles auswählen"); });
    EXPECT_EQ(box->selectedText(), QString("1.234,56 "));

    QLabel* label = nullptr;
    for (QLabel* l : w->findChildren<QLabel*>())
        if (l->objectName().startsWith("lbl") && l->isVisible() && !l->text().trimmed().isEmpty() &&
            l->textInteractionFlags() & Qt::TextSelectableByMouse)
            label = l;
    ASSERT_NE(label, nullptr);
    clipboard->clear();
    contextMenu(label, [](QMenu* menu) { choose(menu, "Alles auswählen"); });
    EXPECT_EQ(label->selectedText(), label->text());
    contextMenu(label, [](QMenu* menu) { choose(menu, "Kopieren"); });
    EXPECT_EQ(clipboard->text(), label->text());

    // An editable field keeps Qt's own menu; captions offer none.
    QLineEdit* input = nullptr;
    for (QLineEdit* e : w->findChildren<QLineEdit*>())
        if (!e->isReadOnly()) input = e;
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(std::unique_ptr<QMenu>(copyMenuFor(input)), nullptr);
    box->setFocus(Qt::TabFocusReason);
    box->deselect();
    clipboard->clear();
    key(true, Qt::Key_C, QStringLiteral("\x03"), false, Qt::ControlModifier);
    key(false, Qt::Key_C, QStringLiteral("\x03"), false, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QString("1.234,56 "));
}

}  // namespace
}  // namespace morvane::ui
