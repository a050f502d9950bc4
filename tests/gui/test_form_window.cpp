// The binding of widgets to form models: windows opened through the real menu, typing and
// clicking with QTest, every model change mirrored without coming back as a user edit,
// message boxes, the key release after a message box, closing, timers, pictures, tables.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "recording_platform.h"
#include "shell/application.h"
#include "shell/sheet_data.h"
#include "ui/drawn_widgets.h"
#include "ui/form_window.h"
#include "ui/look.h"
#include "ui/qt_platform.h"
#include "ui/sheet_widget.h"
#include "ui/window_manager.h"
#include "window_test.h"

namespace morvane::ui {
namespace {

// A window with one control of each kind the binding has to get right.
class ProbeForm : public FormModel {
public:
    static constexpr const char* Name = "frmGuiProbe";
    explicit ProbeForm(Application& app) : FormModel(app, Name) {
        on(On::Change, "txtA", [this] { ++changes; });
        on(On::KeyPress, "txtA", [](Event& e) {
            if (e.key == 'x') e.key = 0;    // discarded
            if (e.key == '.') e.key = ',';  // replaced
        });
        on(On::KeyUp, "txtA", [this](Event& e) {
            keyUps.push_back("txtA:" + std::to_string(e.key));
            if (e.key == Key::Enter) message("Eingabe beendet", "Probe");
        });
        on(On::KeyUp, "txtB",
           [this](Event& e) { keyUps.push_back("txtB:" + std::to_string(e.key)); });
        on(On::Click, "cmdSet", [this] {
            setText("txtA", "42");
            setValue("HScroll1", 50);
            setCaption("Label1(3)", "gesetzt");
            select("Option2");
        });
        on(On::Click, "cmdClose", [this] { this->app().close("frmGuiProbe"); });
        on(On::Click, "Label1", [this](Event& e) { labelClicks.push_back(e.index); });
        on(On::Click, "Option2", [this] { ++optionClicks; });
        on(On::Scroll, "HScroll1", [this](Event& e) { scrolls.push_back(e.value); });
        on(On::Tick, "Timer1", [this] { ++ticks; });
        on(On::Click, "mnuEintrag", [this] { ++menuClicks; });
        on(On::Click, "cmdMore", [this] {
            setFocus("txtB");
            setOuterHeight(3000);
            setVisible("txtA", false);
            setCurrentTab("SSTab1", 1);
        });
        on(On::Click, "List1", [this](Event& e) { listClicks.push_back(e.value); });
        on(On::Click, "Check1", [this] { ++checkClicks; });
        on(On::MouseMove, "cmdSet", [this] { ++hovers; });
        on(On::MouseMove, "", [this] { ++windowHovers; });
        on(On::TabShown, "SSTab1", [this](Event& e) { tabsShown.push_back(e.value); });
    }

    int changes = 0, ticks = 0, optionClicks = 0, menuClicks = 0, checkClicks = 0, hovers = 0,
        windowHovers = 0;
    std::vector<std::string> keyUps;
    std::vector<int> labelClicks, scrolls, listClicks, tabsShown;

protected:
    void design() override {
        win().title = "Probe";
        win().clientWidth = 6000;
        win().clientHeight = 4500;
        add(Kind::Menu, "mnuDatei").caption("Datei");
        add(Kind::Menu, "mnuEintrag").caption("Eintrag").menuOf("mnuDatei");
        add(Kind::TextBox, "txtA").at(120, 120, 1500, 285).tab(0);
        add(Kind::TextBox, "txtB").at(120, 480, 1500, 285).tab(1);
        add(Kind::Command, "cmdSet").caption("Setzen").at(1800, 120, 1200, 375).tab(2);
        add(Kind::Command, "cmdClose").caption("Schließen").at(1800, 600, 1200, 375).tab(3);
        add(Kind::Label, "Label1", 3).caption("Etikett").at(120, 900, 1500, 255);
        add(Kind::Frame, "Frame1").caption("Wahl").at(120, 1260, 2800, 900);
        add(Kind::Option, "Option1").in("Frame1").caption("eins").at(120, 300, 1200, 300).sel();
        add(Kind::Option, "Option2").in("Frame1").caption("zwei").at(1440, 300, 1200, 300);
        add(Kind::HScroll, "HScroll1").at(120, 2280, 2800, 255).range(0, 100, 1, 10);
        add(Kind::Picture, "Image1").at(3120, 1260, 1200, 900).pic("gibt_es_nicht.svg");
        add(Kind::Timer, "Timer1").interval = 20;
        add(Kind::Sheet, "OLE1").at(120, 2640, 5700, 1740);
        add(Kind::Command, "cmdMore").caption("Mehr").at(4500, 120, 1200, 375);
        add(Kind::ListBox, "List1").at(4500, 600, 1200, 600).list({"eins", "zwei", "drei"});
        add(Kind::CheckBox, "Check1").caption("Haken").at(3120, 2280, 1200, 255);
        auto& tab = add(Kind::Tab, "SSTab1").at(6100, 120, 2400, 1800);
        tab.tabs = {"Erste", "Zweite"};
        add(Kind::Label, "lblSeite", 0).in("SSTab1", 0).caption("Seite 1").at(120, 600, 1200, 255);
        add(Kind::Label, "lblSeite", 1).in("SSTab1", 1).caption("Seite 2").at(120, 600, 1200, 255);
    }
};
MORVANE_REGISTER_FORM(ProbeForm);

// A QtPlatform that records message boxes instead of showing them; each one counts as
// closed with Enter, so the release of Enter that follows must not reach the window.
class QuietPlatform : public QtPlatform {
public:
    void message(const std::string& text, const std::string& title, MessageIcon) override {
        messages.push_back(title + "|" + text);
        swallowReleaseOf(Qt::Key_Return);
    }
    void shellOpen(const std::string& address) override { shell.push_back(address); }
    std::vector<std::string> messages, shell;
};

class Gui : public WindowTest<QuietPlatform> {
protected:
    void SetUp() override { watch("a GUI test", 10); }
    ProbeForm& probe() { return static_cast<ProbeForm&>(app.model("frmGuiProbe")); }
};

TEST_F(Gui, BottomPressureThroughTheRealMenu) {
    FormWindow* start = open("frmStart");
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->windowTitle(), QString("Morvane - Kleine Programme"));
    EXPECT_NE(start->menuBar(), nullptr);
    auto* entry = start->findChild<QAction*>("Bodendruck");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), QString("Bodendruckkraft"));
    entry->trigger();

    FormWindow* w = windows.window("frmBodendruck");
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QString("Ermittlung der Bodendruckkkraft"));
    EXPECT_EQ(w->surface()->size(), QSize(370, 324));  // 5550 x 4860 twips

    auto* txtd = find<QLineEdit>(w, "txtd");
    ASSERT_NE(txtd, nullptr);
    QTest::keyClicks(txtd, "1000");
    EXPECT_EQ(app.model("frmBodendruck").text("txtd"), "1000");
    EXPECT_EQ(find<QLabel>(w, "lblFläche")->text(), QString("0,7854 "));

    QTest::mouseClick(find<QPushButton>(w, "Command1"), Qt::LeftButton);
    EXPECT_EQ(txtd->text(), QString("1128,37784777716"));
    EXPECT_EQ(find<QLineEdit>(w, "txtWS")->text(), QString("10"));
    EXPECT_EQ(find<QLabel>(w, "lblFläche")->text(), QString("1,0000 "));
    EXPECT_EQ(find<QLabel>(w, "lblkp")->text(), QString("10.000,0 "));
    EXPECT_EQ(find<QLabel>(w, "LblN")->text(), QString("98.100,0 "));
    EXPECT_EQ(find<QLabel>(w, "lblkpcm")->text(), QString("1,0 "));
    EXPECT_TRUE(platform.messages.empty());

    // A zero diameter: the guard resets both fields and shows its message.
    txtd->selectAll();
    QTest::keyClicks(txtd, "0");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].substr(0, 14), "Eingabefehler|");
    EXPECT_NE(platform.messages[0].find("Tippfehler - Wert wird auf 0 gesetzt"), std::string::npos);
    EXPECT_EQ(txtd->text(), QString());
    EXPECT_EQ(find<QLineEdit>(w, "txtWS")->text(), QString());
    EXPECT_EQ(find<QLabel>(w, "lblFläche")->text(), QString("0,0000 "));

    // Every widget carries its control's name and an accessible name.
    EXPECT_EQ(find<QLabel>(w, "Label3(2)")->accessibleName(), QString("Bodendruck in Pa (N/m²)"));
}

TEST_F(Gui, ModelChangesAreMirroredWithoutComingBack) {
    FormWindow* w = open("frmGuiProbe");
    ASSERT_NE(w, nullptr);
    auto* txtA = find<QLineEdit>(w, "txtA");
    auto* scroll = find<QScrollBar>(w, "HScroll1");
    ASSERT_TRUE(txtA && scroll);

    QTest::mouseClick(find<QPushButton>(w, "cmdSet"), Qt::LeftButton);
    EXPECT_EQ(txtA->text(), QString("42"));
    EXPECT_EQ(probe().changes, 1);  // the nested change of setText, and no user edit after it
    EXPECT_EQ(scroll->value(), 50);
    EXPECT_EQ(probe().scrolls, std::vector<int>{50});
    EXPECT_EQ(find<QLabel>(w, "Label1(3)")->text(), QString("gesetzt"));
    EXPECT_TRUE(find<QRadioButton>(w, "Option2")->isChecked());
    EXPECT_FALSE(find<QRadioButton>(w, "Option1")->isChecked());
    EXPECT_EQ(probe().optionClicks, 1);

    // The user's own changes reach the model once each.
    scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(app.model("frmGuiProbe").c("HScroll1").value, 51);
    EXPECT_EQ(probe().scrolls, (std::vector<int>{50, 51}));
    QTest::mouseClick(find<QRadioButton>(w, "Option1"), Qt::LeftButton);
    EXPECT_TRUE(app.model("frmGuiProbe").c("Option1").selected);
    EXPECT_FALSE(app.model("frmGuiProbe").c("Option2").selected);
    QTest::mouseClick(find<QLabel>(w, "Label1(3)"), Qt::LeftButton);
    EXPECT_EQ(probe().labelClicks, std::vector<int>{3});
}

TEST_F(Gui, KeysPressedReleasedDiscardedAndReplaced) {
    FormWindow* w = open("frmGuiProbe");
    ASSERT_NE(w, nullptr);
    auto* txtA = find<QLineEdit>(w, "txtA");
    txtA->setFocus();
    probe().keyUps.clear();
    QTest::keyClicks(txtA, "1x.5");
    EXPECT_EQ(txtA->text(), QString("1,5"));  // x discarded, the dot replaced by a comma
    EXPECT_EQ(app.model("frmGuiProbe").text("txtA"), "1,5");
    EXPECT_EQ(probe().changes, 3);
    EXPECT_EQ(probe().keyUps,
              (std::vector<std::string>{"txtA:49", "txtA:88", "txtA:190", "txtA:53"}));

    // Tab moves on and its release is raised in the field that received the focus.
    probe().keyUps.clear();
    QTest::keyClick(txtA, Qt::Key_Tab);
    EXPECT_EQ(probe().keyUps, std::vector<std::string>{"txtB:9"});
    EXPECT_EQ(app.model("frmGuiProbe").focus(), "txtB");

    // Backspace and the arrows report their key codes.
    probe().keyUps.clear();
    QTest::keyClick(txtA, Qt::Key_Backspace);
    QTest::keyClick(txtA, Qt::Key_Left);
    EXPECT_EQ(probe().keyUps, (std::vector<std::string>{"txtA:8", "txtA:37"}));
    EXPECT_EQ(txtA->text(), QString("1,"));
}

TEST_F(Gui, TheKeyThatClosedAMessageBoxDoesNotReachTheField) {
    FormWindow* w = open("frmGuiProbe");
    ASSERT_NE(w, nullptr);
    auto* txtA = find<QLineEdit>(w, "txtA");
    probe().keyUps.clear();
    QTest::keyClick(txtA, Qt::Key_Return);  // the release shows the message box
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], "Probe|Eingabe beendet");
    // Enter closed the box; its release arrives in the field and is swallowed.
    QTest::keyRelease(txtA, Qt::Key_Return);
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(probe().keyUps, std::vector<std::string>{"txtA:13"});
    // The next key is delivered as usual.
    QTest::keyClick(txtA, Qt::Key_7);
    EXPECT_EQ(probe().keyUps, (std::vector<std::string>{"txtA:13", "txtA:55"}));
}

TEST_F(Gui, ClosingWindowsByReactionCloseBoxAndMenu) {
    FormWindow* w = open("frmGuiProbe");
    ASSERT_NE(w, nullptr);
    QPointer<FormWindow> guard(w);
    w->findChild<QAction*>("mnuEintrag")->trigger();
    EXPECT_EQ(probe().menuClicks, 1);

    // A reaction closes its own window: the window goes once the event is handled.
    QTest::mouseClick(find<QPushButton>(w, "cmdClose"), Qt::LeftButton);
    EXPECT_FALSE(app.isOpen("frmGuiProbe"));
    EXPECT_FALSE(w->isVisible());
    flush();
    EXPECT_TRUE(guard.isNull());
    EXPECT_TRUE(app.ended());

    // The close box: the application closes the window; the last one ends it.
    FormWindow* start = open("frmStart");
    FormWindow* again = open("frmGuiProbe");
    ASSERT_TRUE(start && again);
    again->close();
    EXPECT_FALSE(app.isOpen("frmGuiProbe"));
    EXPECT_FALSE(app.ended());
    start->close();
    EXPECT_TRUE(app.ended());
    flush();
}

TEST_F(Gui, ListsCheckBoxesTabsFocusSizeAndMouse) {
    FormWindow* w = open("frmGuiProbe");
    ASSERT_NE(w, nullptr);
    FormModel& m = app.model("frmGuiProbe");
    auto* list = find<QListWidget>(w, "List1");
    ASSERT_EQ(list->count(), 3);
    list->setCurrentRow(1);  // as a click on the item does
    EXPECT_EQ(probe().listClicks, std::vector<int>{1});
    EXPECT_EQ(m.text("List1"), "zwei");
    m.setListIndex("List1", 2);  // raises the click once, from the model only
    EXPECT_EQ(probe().listClicks, (std::vector<int>{1, 2}));
    EXPECT_EQ(list->currentRow(), 2);

    QTest::mouseClick(find<QCheckBox>(w, "Check1"), Qt::LeftButton);
    EXPECT_TRUE(m.c("Check1").selected);
    EXPECT_TRUE(find<QCheckBox>(w, "Check1")->isChecked());
    EXPECT_EQ(probe().checkClicks, 1);

    // Controls of a tab control's page are shown with their page only.
    auto* tabs = find<QTabWidget>(w, "SSTab1");
    auto* first = find<QLabel>(w, "lblSeite(0)");
    auto* second = find<QLabel>(w, "lblSeite(1)");
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(second->isVisible());
    tabs->setCurrentIndex(1);  // the user shows the second page
    EXPECT_EQ(probe().tabsShown, std::vector<int>{1});
    EXPECT_EQ(m.c("SSTab1").currentTab, 1);
    EXPECT_FALSE(first->isVisible());
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->mapTo(tabs, QPoint(0, 0)), QPoint(8, 40));  // relative to the tab control

    const int before = w->surface()->height();
    EXPECT_EQ(before, 300);
    tabs->setCurrentIndex(0);
    QTest::mouseClick(find<QPushButton>(w, "cmdMore"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), find<QLineEdit>(w, "txtB"));
    EXPECT_EQ(w->surface()->height(), (3000 - FrameHeightTwips - MenuBarTwips) / 15);
    EXPECT_FALSE(find<QLineEdit>(w, "txtA")->isVisible());
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(probe().tabsShown, (std::vector<int>{1, 0}));  // no tab event from the model

    QTest::mouseMove(find<QPushButton>(w, "cmdSet"), QPoint(5, 5));
    EXPECT_GE(probe().hovers, 1);
    QTest::mouseMove(w->surface(), QPoint(390, 10));
    EXPECT_GE(probe().windowHovers, 1);
}

TEST_F(Gui, EditableInfoTextGetsOneLineBreakPerEdit) {
    FormWindow* w = open("frmEnergiePWInfo");
    ASSERT_NE(w, nullptr);
    auto* text = find<QPlainTextEdit>(w, "Text1");
    ASSERT_NE(text, nullptr);
    FormModel& m = app.model("frmEnergiePWInfo");
    const std::string before = m.text("Text1");
    text->setFocus();
    text->moveCursor(QTextCursor::Start);
    QTest::keyClicks(text, "ab");
    EXPECT_EQ(m.text("Text1"), "a" + before + "\r\nb\r\n");
    EXPECT_EQ(text->toPlainText(), toDisplay(m.text("Text1")));
    EXPECT_EQ(text->textCursor().position(), text->toPlainText().size());
}

TEST_F(Gui, TimersTickUntilTheWindowCloses) {
    FormWindow* w = open("frmGuiProbe");
    ASSERT_NE(w, nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(probe().ticks >= 2, 2000);
    app.close("frmGuiProbe");
    const int ticks = probe().ticks;
    QTest::qWait(100);
    EXPECT_EQ(probe().ticks, ticks);
}

// A key in the BOD window rewrites its table cell by cell (some 120 cells); the table and the
// chart are drawn afresh once for the key, not once for every cell.
TEST_F(Gui, ASheetIsDrawnOnceAReaction) {
    FormWindow* w = open("frmBSB");
    ASSERT_NE(w, nullptr);
    app.model("frmBSB").setCurrentTab("SSTab1", 1);
    auto* sheet = find<SheetWidget>(w, "OLE1");
    auto* txtK1 = find<QLineEdit>(w, "txtK1");
    ASSERT_NE(sheet, nullptr);
    ASSERT_NE(txtK1, nullptr);
    QCoreApplication::processEvents();
    const int before = sheet->rebuilds();
    txtK1->setFocus();
    txtK1->selectAll();
    QTest::keyClick(txtK1, Qt::Key_2);
    QCoreApplication::processEvents();
    EXPECT_EQ(sheet->rebuilds(), before + 1);
    // What the table shows is the model's, also when read before the window drew it.
    app.model("frmBSB").setCell("OLE1", "B2", "7,5");
    EXPECT_EQ(sheet->table()->item(1, 1)->text(), QString("7,5"));
}

TEST_F(Gui, PicturesAndTables) {
    EXPECT_TRUE(QFile::exists(":/icons/morvane.svg"));
    FormWindow* w = open("frmGuiProbe");
    ASSERT_NE(w, nullptr);
    auto* picture = find<PictureWidget>(w, "Image1");
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->hasPicture());  // a missing file leaves an empty frame
    EXPECT_FALSE(w->grab().isNull());

    FormModel& m = app.model("frmGuiProbe");
    m.setCell("OLE1", "A1", "Tag");
    m.setCell("OLE1", "B1", "BSB");
    for (int day = 0; day <= 4; ++day) {
        m.setCell("OLE1", "a" + std::to_string(day + 2), std::to_string(day));
        m.setCell("OLE1", "B" + std::to_string(day + 2), std::to_string(100 - 10 * day) + ",5");
    }
    m.setCell("OLE1", "C5", "Markierung");
    auto* sheet = find<SheetWidget>(w, "OLE1");
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->table()->rowCount(), 6);
    EXPECT_EQ(sheet->table()->columnCount(), 3);
    EXPECT_EQ(sheet->table()->item(1, 1)->text(), QString("100,5"));
    ASSERT_EQ(sheet->points().size(), 5u);
    EXPECT_EQ(sheet->points()[4], QPointF(4, 60.5));
    EXPECT_EQ(sheet->marked(), std::vector<int>{3});  // row 5 holds day 3

    int column = 0, row = 0;
    EXPECT_TRUE(parseCellAddress("J40", column, row));
    EXPECT_EQ(column, 9);
    EXPECT_EQ(row, 39);
    EXPECT_FALSE(parseCellAddress("40", column, row));
    EXPECT_FALSE(parseCellAddress("A0", column, row));
    EXPECT_FALSE(parseCellAddress("A1B", column, row));
}

TEST(Program, EndsWhenItsLastWindowCloses) {
    QuietPlatform platform;
    Application app(platform);
    WindowManager windows(app);  // quits the event loop when the application has ended
    app.open("frmStart");
    app.open("frmGuiProbe");
    QTimer::singleShot(0, [&] {
        windows.window("frmStart")->close();  // closing the start window alone ends nothing
        EXPECT_FALSE(app.ended());
        windows.window("frmGuiProbe")->close();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        std::fprintf(stderr, "watchdog: the event loop did not end\n");
        std::_Exit(3);
    });
    watchdog.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(app.ended());
}

TEST(PrintPage, RendersAPdf) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("seite.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    PrintPage page;
    page.title = "Schlammentwässerung";
    page.lines = {{2, 2, "Schlammentwässerung", "Arial", 14, true},
                  {2, 3.5, "Volumen vorher: 1.234,5 m³", "Arial", 10, false}};
    renderPage(printer, page);
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray data = pdf.readAll();
    EXPECT_TRUE(data.startsWith("%PDF"));
    EXPECT_GT(data.size(), 1000);
}

}  // namespace
}  // namespace morvane::ui
