// Keys in boxes that hold long texts, through the real Qt widgets (offscreen): a key typed
// at the end of the editable information box of frmIndexInfo holding 1 MB of text (its
// reaction adds one line break per edit), and a key typed at the end of a one-line box
// holding 100 kB. Each iteration is one key press and release with everything it causes.
// Also a word of up to 1 MB pasted over the whole text of that information box (one select
// all and one paste), and the keys of frmBSB's BSB5 box, each of which redraws the window's
// table and chart.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "runner_application.h"
#include "shell/application.h"
#include "ui/form_window.h"
#include "ui/qt_platform.h"
#include "ui/window_manager.h"

namespace morvane {
namespace {

// A window with a one-line box that has no reaction: what a key costs in the binding alone.
class LongLineProbe : public FormModel {
public:
    static constexpr const char* Name = "frmLongLineProbe";
    explicit LongLineProbe(Application& app) : FormModel(app, Name) {}

protected:
    void design() override {
        win().title = "Probe";
        win().clientWidth = 6000;
        win().clientHeight = 1500;
        add(Kind::TextBox, "txtLang").at(120, 120, 5000, 285).tab(0);
    }
};
MORVANE_REGISTER_FORM(LongLineProbe);

struct Windows {
    ui::QtPlatform platform;
    Application app{platform};
    ui::WindowManager windows{app, false};

    QWidget& open(const std::string& form, const std::string& key) {
        app.open(form);
        ui::FormWindow* w = windows.window(form);
        w->show();
        (void)QTest::qWaitForWindowExposed(w);
        QWidget* box = w->widgetFor(key);
        box->setFocus();
        QCoreApplication::processEvents();
        return *box;
    }
};

void typeKey(QWidget& box) {
    QTest::keyClick(&box, Qt::Key_5, Qt::NoModifier);
    QCoreApplication::processEvents();
}

void MultiLineBox(benchmark::State& state) {
    Windows w;
    auto& box = static_cast<QPlainTextEdit&>(w.open("frmIndexInfo", "Text1"));
    const auto size = static_cast<qsizetype>(state.range(0));
    box.setPlainText(QString(size, QLatin1Char('7')));  // as a paste: one edit
    box.moveCursor(QTextCursor::End);
    QCoreApplication::processEvents();
    for (auto _ : state) typeKey(box);
    state.counters["lines"] = box.document()->blockCount();
}
BENCHMARK(MultiLineBox)->Unit(benchmark::kMillisecond)->Iterations(20)->Arg(64 << 10)->Arg(1 << 20);

void OneLineBox(benchmark::State& state) {
    Windows w;
    auto& box = static_cast<QLineEdit&>(w.open(LongLineProbe::Name, "txtLang"));
    box.setMaxLength(1 << 20);
    box.setText(QString(static_cast<qsizetype>(state.range(0)), QLatin1Char('7')));
    box.end(false);
    for (auto _ : state) typeKey(box);
}
BENCHMARK(OneLineBox)->Unit(benchmark::kMillisecond)->Iterations(20)->Arg(100 << 10);

void PastedWord(benchmark::State& state) {
    Windows w;
    auto& box = static_cast<QPlainTextEdit&>(w.open("frmIndexInfo", "Text1"));
    QGuiApplication::clipboard()->setText(
        QString(static_cast<qsizetype>(state.range(0)), QLatin1Char('7')));
    for (auto _ : state) {
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCoreApplication::processEvents();
    }
    state.counters["lines"] = box.document()->blockCount();
}
BENCHMARK(PastedWord)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Arg(64 << 10)
    ->Arg(256 << 10)
    ->Arg(1 << 20);

// Two keys an iteration: a Backspace and a 5 at the end of "25", so that the box never holds
// a text that the window answers with a message box. Should one come all the same, it is
// closed and the run fails rather than waiting for an answer.
void SheetKeys(benchmark::State& state) {
    Windows w;
    auto& box = static_cast<QLineEdit&>(w.open("frmBSB", "txtBSB5"));
    box.end(false);
    bool boxShown = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            boxShown = true;
            modal->close();
        }
    });
    closer.start(50);
    for (auto _ : state) {
        QTest::keyClick(&box, Qt::Key_Backspace, Qt::NoModifier);
        typeKey(box);
    }
    if (boxShown || box.text() != "25") state.SkipWithError("the window answered with a box");
    state.counters["keys"] = benchmark::Counter(2.0 * static_cast<double>(state.iterations()));
}
BENCHMARK(SheetKeys)->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace
}  // namespace morvane

int main(int argc, char** argv) {
    morvane::gui::RunnerApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
