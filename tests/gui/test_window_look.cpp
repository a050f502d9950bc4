// How the windows look whatever the desktop: the embedded font in the metrics the layouts
// expect, results on one line and whole, greyed disabled controls, readable colours on a
// dark desktop (also when it turns dark while a window is open), frame lines at the
// caption, option captions on their lines, a whole menu bar with a large desktop font.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QToolButton>

#include "recording_platform.h"
#include "shell/application.h"
#include "ui/drawn_widgets.h"
#include "ui/form_window.h"
#include "ui/look.h"
#include "ui/window_manager.h"

namespace morvane::ui {
namespace {

class LookProbeForm : public FormModel {
public:
    static constexpr const char* Name = "frmLookProbe";
    explicit LookProbeForm(Application& app) : FormModel(app, Name) {}

protected:
    void design() override {
        win().title = "Aussehen";
        win().clientWidth = 9000;
        win().clientHeight = 4500;
        // A result with free room to its left, one squeezed between two captions.
        add(Kind::Label, "lblFrei").at(3000, 120, 900, 285).output();
        add(Kind::Label, "lblLinks").caption("Gesamte Länge L =").at(120, 600, 1380, 255);
        add(Kind::Label, "lblEng").at(1500, 600, 900, 285).output();
        add(Kind::Label, "lblRechts").caption("m").at(2460, 600, 600, 255);
        add(Kind::TextBox, "txtGelb")
            .caption("12")
            .at(120, 1080, 1200, 285)
            .back(Color::LightYellow);
        add(Kind::TextBox, "txtAus").caption("7").at(1440, 1080, 1200, 285).disabled();
        add(Kind::Label, "lblGelb")
            .caption("Hinweis")
            .at(2760, 1080, 1500, 255)
            .colors(Color::WindowText, Color::LightYellow);
        add(Kind::Frame, "Frame1").caption("Rahmen").at(120, 1560, 4000, 1500);
        add(Kind::TextBox, "txtOben").in("Frame1").caption("0").at(1560, 0, 1200, 285);
        add(Kind::Option, "Option1")
            .in("Frame1")
            .caption("Eine recht lange Wahl, die auf zwei Zeilen stehen muss")
            .at(120, 480, 2400, 420);
    }
};
MORVANE_REGISTER_FORM(LookProbeForm);

class WindowLook : public ::testing::Test {
protected:
    void TearDown() override {
        for (FormModel* f : app.openForms()) app.close(f->name());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::setPalette(light_);
        QApplication::setFont(font_);
    }
    FormWindow* open(const std::string& name) {
        app.open(name);
        QCoreApplication::processEvents();
        return windows.window(name);
    }
    template <class W>
    W* widget(FormWindow* w, const std::string& key) {
        return qobject_cast<W*>(w->widgetFor(key));
    }

    RecordingPlatform platform;
    Application app{platform};
    WindowManager windows{app, false};
    const QPalette light_ = QApplication::palette();
    const QFont font_ = QApplication::font();
};

TEST_F(WindowLook, TheEmbeddedFontWhateverTheDesktopPrefers) {
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    const QFont small = toFont("MS Sans Serif", 8.25, false, false);
    EXPECT_EQ(QFontInfo(small).family(), QString("Liberation Sans"));
    EXPECT_EQ(small.pixelSize(), 11);
    // Lines of about 13 px, as the layouts expect.
    EXPECT_NEAR(QFontMetricsF(small).lineSpacing(), 13.0, 0.5);
    const QFont large = toFont("MS Sans Serif", 9.75, true, false);
    EXPECT_EQ(large.pixelSize(), 13);
    EXPECT_TRUE(QFontInfo(large).bold());
    // Arial's own widths; "MS Sans Serif" runs narrower.
    const QFont arial = toFont("Arial", 8.25, false, false);
    EXPECT_EQ(QFontInfo(arial).family(), QString("Liberation Sans"));
    EXPECT_LT(QFontMetrics(small).horizontalAdvance("Schwebstoffe"),
              QFontMetrics(arial).horizontalAdvance("Schwebstoffe"));
}

TEST_F(WindowLook, AResultShowsItsWholeNumberOnOneLine) {
    FormWindow* w = open("frmLookProbe");
    ASSERT_TRUE(w);
    FormModel& f = app.model("frmLookProbe");
    const QString number = QStringLiteral("1.234.567.890,1234");
    auto fits = [](QLabel* l) {
        return QFontMetrics(l->font()).horizontalAdvance(l->text()) <=
               l->contentsRect().width() - l->indent();
    };
    // Free room before it: the label grows to the left, the digits keep their right edge.
    QLabel* free = widget<QLabel>(w, "lblFrei");
    const int right = free->geometry().right();
    f.setCaption("lblFrei", ss(number));
    EXPECT_FALSE(free->wordWrap());
    EXPECT_EQ(free->geometry().right(), right);
    EXPECT_LT(free->geometry().left(), 200);
    EXPECT_TRUE(fits(free));
    EXPECT_EQ(free->font().pixelSize(), 11);
    // Between two captions: up to them, then a smaller font, but every digit.
    QLabel* narrow = widget<QLabel>(w, "lblEng");
    f.setCaption("lblEng", ss(number));
    EXPECT_TRUE(fits(narrow));
    EXPECT_LT(narrow->font().pixelSize(), 11);
    EXPECT_FALSE(narrow->geometry().intersects(widget<QLabel>(w, "lblRechts")->geometry()));
    EXPECT_EQ(narrow->toolTip(), number);
    // A short number again: the designed place and font.
    f.setCaption("lblEng", "5");
    EXPECT_EQ(narrow->geometry(), QRect(100, 40, 60, 19));
    EXPECT_EQ(narrow->font().pixelSize(), 11);
    EXPECT_TRUE(narrow->toolTip().isEmpty());
}

TEST_F(WindowLook, DisabledFieldsLookDisabled) {
    FormWindow* w = open("frmLookProbe");
    ASSERT_TRUE(w);
    for (const char* key : {"txtAus", "txtGelb"}) {
        app.model("frmLookProbe").setEnabled(key, false);
        const QPalette p = w->widgetFor(key)->palette();
        EXPECT_NE(p.color(QPalette::Disabled, QPalette::Text),
                  p.color(QPalette::Active, QPalette::Text))
            << key;
        EXPECT_LT(contrast(p.color(QPalette::Disabled, QPalette::Text),
                           p.color(QPalette::Disabled, QPalette::Base)),
                  0.6 * contrast(p.color(QPalette::Active, QPalette::Text),
                                 p.color(QPalette::Active, QPalette::Base)))
            << key;
    }
    // The fixed colour stays when disabled.
    EXPECT_EQ(w->widgetFor("txtGelb")->palette().color(QPalette::Disabled, QPalette::Base),
              QColor(255, 255, 192));
}

TEST_F(WindowLook, ADarkDesktopKeepsTextsOnFixedColoursReadable) {
    FormWindow* w = open("frmLookProbe");
    ASSERT_TRUE(w);
    QApplication::setPalette(darkPalette());  // the desktop turns dark while the window is open
    QCoreApplication::processEvents();
    const QPalette field = w->widgetFor("txtGelb")->palette();
    EXPECT_EQ(field.color(QPalette::Active, QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(field.color(QPalette::Active, QPalette::Text), QColor(Qt::black));
    const QPalette label = w->widgetFor("lblGelb")->palette();
    EXPECT_EQ(label.color(QPalette::Active, QPalette::WindowText), QColor(Qt::black));
    // The desktop's own colours follow the theme.
    EXPECT_EQ(w->widgetFor("txtAus")->palette().color(QPalette::Active, QPalette::Base),
              darkPalette().color(QPalette::Active, QPalette::Base));
    EXPECT_GE(
        contrast(readableOn(QColor(255, 0, 0), QColor(0x32, 0x32, 0x35)), QColor(0x32, 0x32, 0x35)),
        4.5);
}

TEST_F(WindowLook, FrameLineAtTheCaptionAndOptionCaptionsOnTheirLines) {
    FormWindow* w = open("frmLookProbe");
    ASSERT_TRUE(w);
    auto* frame = dynamic_cast<FrameBox*>(w->widgetFor("Frame1"));
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->lineY(), QFontMetrics(frame->font()).height() / 2);
    // The line stops at the caption and at the field on it.
    const QRect field = w->widgetFor("txtOben")->geometry();
    for (const auto& [from, to] : frame->topLine()) {
        EXPECT_FALSE(from <= field.right() && to >= field.left());
        EXPECT_FALSE(from <= frame->captionRect().right() && to >= frame->captionRect().left());
    }
    // A long option caption breaks onto the control's two lines instead of being cut.
    auto* option = widget<QRadioButton>(w, "Option1");
    ASSERT_TRUE(dynamic_cast<OptionButton*>(option));
    EXPECT_GT(option->sizeHint().width(), option->width());
    EXPECT_EQ(option->geometry(), QRect(8, 32, 160, 28));
    bool wordsFit = false;
    EXPECT_LE(wrappedCaptionHeight(option, option->width(), &wordsFit), option->height());
    EXPECT_TRUE(wordsFit);
}

TEST_F(WindowLook, TheStartWindowShowsItsWholeMenuBarWithALargeDesktopFont) {
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 16));
    FormWindow* w = open("frmStart");
    ASSERT_TRUE(w && w->menuBar());
    QMenuBar* bar = w->menuBar();
    auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    EXPECT_TRUE(!more || !more->isVisible());
    for (QAction* a : bar->actions()) {
        if (!a->isVisible()) continue;
        EXPECT_LT(bar->actionGeometry(a).right(), bar->width()) << ss(a->text());
    }
}

}  // namespace
}  // namespace morvane::ui
