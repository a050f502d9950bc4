// The ways out of a calculator window: the record's table and picture on the real
// clipboard, the context menu and shortcuts, the PDF page and its text, and the names a
// screen reader gives the fields.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "recording_platform.h"
#include "shell/application.h"
#include "shell/record.h"
#include "ui/form_window.h"
#include "ui/look.h"
#include "ui/record_actions.h"
#include "ui/window_manager.h"
#include "window_test.h"

namespace morvane::ui {
namespace {

class Records : public WindowTest<RecordingPlatform> {
protected:
    static QAction* action(FormWindow* w, const char* name) {
        return w->findChild<QAction*>(QString::fromLatin1(name));
    }
    // The entries of the context menu that a right click on the widget opens; the menu is
    // closed again with Escape.
    static QStringList menuAt(QWidget* target) {
        QStringList entries;
        bool seen = false;
        QTimer::singleShot(0, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                seen = true;
                for (QAction* a : menu->actions())
                    if (!a->isSeparator()) entries << a->text();
                menu->close();
            }
        });
        const QPoint at = target->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &event);
        QCoreApplication::processEvents();
        if (!seen) entries << QStringLiteral("(no menu)");
        return entries;
    }
};

TEST_F(Records, TableAndPictureGoOnTheClipboardInTheirFormats) {
    FormWindow* w = open("frmBodendruck");
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(find<QPushButton>(w, "Command1"), Qt::LeftButton);
    const CalculationRecord record = makeRecord(w->model());
    ASSERT_EQ(record.lines.size(), 7u);

    QGuiApplication::clipboard()->clear();
    ASSERT_NE(action(w, "recordTable"), nullptr);
    action(w, "recordTable")->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasText());
    EXPECT_TRUE(data->hasHtml());
    EXPECT_EQ(data->text(), qs(record.text()));
    EXPECT_TRUE(data->text().contains(QStringLiteral("Bodendruckkraft in N\t98.100,0\t")));
    const QString html = data->html();
    EXPECT_TRUE(html.contains(QStringLiteral("<table")));
    EXPECT_EQ(html.count(QStringLiteral("<tr>")), 3 + 7);
    // German number texts stay as they are shown, marked as text for spreadsheets.
    EXPECT_TRUE(html.contains(QStringLiteral(">98.100,0</td>")));
    EXPECT_TRUE(html.contains(QStringLiteral(">Fläche in m²</td>")));
    EXPECT_TRUE(html.contains(QStringLiteral("mso-number-format")));

    action(w, "recordPicture")->trigger();
    data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasFormat(QStringLiteral("image/png")));
    QImage png;
    ASSERT_TRUE(png.loadFromData(data->data(QStringLiteral("image/png")), "PNG"));
    const double ratio = 2 * w->surface()->devicePixelRatioF();
    EXPECT_EQ(png.size(), w->surface()->size() * ratio);
    EXPECT_TRUE(data->hasImage());
    // Not an empty picture: the white output boxes and the black texts are in it.
    QSet<QRgb> colours;
    for (int y = 0; y < png.height(); y += 3)
        for (int x = 0; x < png.width(); x += 3) colours.insert(png.pixel(x, y));
    EXPECT_GT(colours.size(), 3);
}

TEST_F(Records, TheSurfaceOffersTheFourWaysFieldsKeepTheirOwnMenus) {
    FormWindow* w = open("frmKreis");
    ASSERT_NE(w, nullptr);
    const QStringList four = {
        QStringLiteral("Berechnung drucken …"), QStringLiteral("Als PDF speichern …"),
        QStringLiteral("Als Tabelle kopieren"), QStringLiteral("Als Bild kopieren")};
    EXPECT_EQ(menuAt(w->surface()), four);
    // A caption label passes the right click on to the surface.
    EXPECT_EQ(menuAt(find<QLabel>(w, "Label1")), four);
    // A field has its own menu (cut, copy, paste), not the record's.
    const QStringList field = menuAt(find<QLineEdit>(w, "txtDurchmesser"));
    EXPECT_FALSE(field.contains(QStringLiteral("Als Tabelle kopieren")));
    EXPECT_NE(field, QStringList{QStringLiteral("(no menu)")});

    // Info windows and the start window have no record.
    FormWindow* start = open("frmStart");
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->findChild<QAction*>(QStringLiteral("recordTable")), nullptr);
}

TEST_F(Records, ShortcutsNeverTakeCopyFromAFieldWithASelection) {
    FormWindow* w = open("frmKreis");
    ASSERT_NE(w, nullptr);
    auto* field = find<QLineEdit>(w, "txtDurchmesser");
    QTest::keyClicks(field, "2");
    EXPECT_EQ(action(w, "recordPrint")->shortcut(), QKeySequence(QKeySequence::Print));
    EXPECT_EQ(action(w, "recordPdf")->shortcut(), QKeySequence(QKeySequence::Save));

    // Ctrl+Shift+C in the focused field copies the table.
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), qs(makeRecord(w->model()).text()));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QStringLiteral("\t3,142\t")));

    // Ctrl+C with a selection copies the selection.
    field->selectAll();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("2"));

    QTest::keyClick(field, Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("image/png")));
    EXPECT_EQ(field->text(), QStringLiteral("2"));  // no key reached the field as input
}

// Each subsystem's window as PDF: its text holds every value of the record.
TEST_F(Records, PdfPagesHoldEveryValueOfTheRecord) {
    // MORVANE_RECORD_PDF_DIR keeps the pages for a look at them.
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString kept = qEnvironmentVariable("MORVANE_RECORD_PDF_DIR");
    const QDir dir(kept.isEmpty() ? temporary.path() : kept);
    const struct {
        const char* window;
        std::vector<std::pair<const char*, const char*>> typed;
        const char* button;
    } cases[] = {
        {"frmBodendruck", {}, "Command1"},
        {"frmCs", {{"txtTemp", "20"}, {"txtCx", "4,54"}}, nullptr},
        {"frmSchlamm", {{"txtEW", "1000"}}, nullptr},
        {"frmPyramidenstumpf", {{"txtGefälleProportion", "2"}}, nullptr},
        {"frmJKKKA", {}, "Command1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        FormWindow* w = open(c.window);
        ASSERT_NE(w, nullptr);
        for (const auto& [field, text] : c.typed) {
            auto* e = find<QLineEdit>(w, field);
            ASSERT_NE(e, nullptr);
            e->setFocus();
            e->selectAll();
            QTest::keyClicks(e, QString::fromUtf8(text));
        }
        if (c.button) QTest::mouseClick(find<QPushButton>(w, c.button), Qt::LeftButton);
        const CalculationRecord record = makeRecord(w->model());
        ASSERT_GE(record.lines.size(), 4u);
        const QString pdf = dir.filePath(qs(c.window) + QStringLiteral(".pdf"));
        ASSERT_TRUE(writeRecordPdf(pdf, w->surface(), record));

        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        ASSERT_TRUE(text.waitForFinished(20000)) << "pdftotext (poppler-utils) is needed";
        ASSERT_EQ(text.exitCode(), 0);
        // Texts may break across lines in a cell: blanks and line breaks count as one; the
        // ligatures of the font ("ff", "fl") are read as their letters.
        const QString out = QString::fromUtf8(text.readAllStandardOutput())
                                .normalized(QString::NormalizationForm_KC)
                                .simplified();
        EXPECT_TRUE(out.contains(qs(record.title).simplified())) << record.title;
        EXPECT_TRUE(out.contains(QStringLiteral("Dienstag, 8. Dezember 2026")));
        for (const RecordLine& l : record.lines)
            EXPECT_TRUE(out.contains(qs(l.value).simplified())) << l.value;
        app.close(c.window);
    }
    // A file that cannot be written is reported as such.
    EXPECT_FALSE(
        writeRecordPdf(dir.filePath(QStringLiteral("nicht/da.pdf")), nullptr, CalculationRecord{}));
}

TEST_F(Records, ScreenReadersHearCaptionsUnitsAndValues) {
    FormWindow* w = open("frmGefaelle_gegeben");
    ASSERT_NE(w, nullptr);
    auto* dn = find<QLineEdit>(w, "txtDN");
    EXPECT_EQ(dn->accessibleName(), QStringLiteral("Innendurchmesser"));
    EXPECT_EQ(dn->accessibleDescription(), QStringLiteral("mm"));
    EXPECT_EQ(find<QLabel>(w, "Label1(0)")->buddy(), dn);
    EXPECT_EQ(find<QLineEdit>(w, "txti")->accessibleDescription(), QStringLiteral("1/1000"));
    // A field inside a frame is called by the frame's caption.
    EXPECT_EQ(find<QLineEdit>(w, "txtkb")->accessibleName(), QStringLiteral("Rauhigkeit Kb"));

    dn->selectAll();
    QTest::keyClicks(dn, "300");
    auto* v = find<QLabel>(w, "lblv");
    QAccessibleInterface* out = QAccessible::queryAccessibleInterface(v);
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(out->role(), QAccessible::StaticText);
    EXPECT_EQ(out->text(QAccessible::Name), QStringLiteral("Geschwindigkeit"));
    EXPECT_EQ(out->text(QAccessible::Description), QStringLiteral("m/s"));
    EXPECT_EQ(out->text(QAccessible::Value), v->text());
    EXPECT_FALSE(v->text().isEmpty());
    ASSERT_NE(out->textInterface(), nullptr);
    EXPECT_EQ(out->textInterface()->text(0, out->textInterface()->characterCount()), v->text());

    // The field's relations name its label; the window is a frame.
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(dn);
    ASSERT_NE(field, nullptr);
    bool labelled = false;
    for (const auto& [other, relation] : field->relations(QAccessible::Label))
        labelled = labelled || other->object() == find<QLabel>(w, "Label1(0)");
    EXPECT_TRUE(labelled);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->role(), QAccessible::Window);

    // No field is called by its control name anywhere.
    for (const std::string name : {"frmBodendruck", "frmEuro", "frmEW", "frm_natürl_bel_Teich"}) {
        FormWindow* x = open(name);
        ASSERT_NE(x, nullptr);
        for (const RecordRow& row : x->model().recordRows()) {
            QWidget* f = x->widgetFor(row.field);
            if (!f || x->model().c(row.field).kind == Kind::Option) continue;
            EXPECT_FALSE(f->accessibleName().isEmpty()) << name << " " << row.field;
            EXPECT_NE(f->accessibleName(), qs(row.field)) << name;
        }
    }
    // A unit caption that changes is the new description at once.
    FormWindow* loads = windows.window("frmEW");
    auto* ew = find<QLineEdit>(loads, "txtEW");
    ew->setFocus();
    ew->selectAll();
    QTest::keyClicks(ew, "1000");
    EXPECT_EQ(find<QLabel>(loads, "lblBsb(7)")->accessibleDescription(),
              QStringLiteral("Ergebnisse in kg/d!"));
    EXPECT_EQ(find<QLabel>(loads, "lblBsb(7)")->accessibleName(), QStringLiteral("Zusammen, BSB5"));
}

}  // namespace
}  // namespace morvane::ui
