// Keys typed into the boxes of every window, through the real Qt widgets (offscreen): in each
// enabled, visible text box of a window a 5 typed at the end of its text and a Backspace that
// takes it back, each with everything its reaction changes in the window. One benchmark per
// window; the time is per key. A window that answers a key with a message box has it closed
// at once (the run keeps its time, the counter "boxes" says how many).
#include <benchmark/benchmark.h>

#include <QApplication>
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

void typeInto(QWidget* box, Qt::Key key) {
    QTest::keyClick(box, key, Qt::NoModifier);
    QCoreApplication::processEvents();
}

void moveToEnd(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) line->end(false);
    if (auto* text = qobject_cast<QPlainTextEdit*>(box)) text->moveCursor(QTextCursor::End);
}

void WindowKeys(benchmark::State& state, const std::string& form) {
    ui::QtPlatform platform;
    Application app{platform};
    ui::WindowManager windows{app, false};
    int boxes = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++boxes;
            modal->close();
        }
    });
    closer.start(20);
    app.open(form);
    ui::FormWindow* w = windows.window(form);
    if (!w) {
        state.SkipWithError("the window does not open");
        return;
    }
    w->show();
    (void)QTest::qWaitForWindowExposed(w);
    std::vector<std::string> keys;
    for (const Control& c : app.model(form).controls())
        if (c.kind == Kind::TextBox && c.enabled && !c.readOnly) keys.push_back(c.key());
    std::int64_t typed = 0;
    for (auto _ : state) {
        for (const std::string& key : keys) {
            QWidget* box = w->widgetFor(key);
            if (!box || !box->isVisible() || !box->isEnabled()) continue;
            box->setFocus();
            moveToEnd(box);
            typeInto(box, Qt::Key_5);
            typeInto(box, Qt::Key_Backspace);
            typed += 2;
        }
    }
    if (typed == 0) {
        state.SkipWithError("no box takes keys");
        return;
    }
    state.SetItemsProcessed(typed);
    state.counters["per_key_us"] = benchmark::Counter(
        static_cast<double>(typed), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["boxes"] = boxes;
}

}  // namespace
}  // namespace morvane

int main(int argc, char** argv) {
    morvane::gui::RunnerApplication app(argc, argv);
    for (const std::string& form : morvane::Application::registeredForms())
        benchmark::RegisterBenchmark(("keys/" + form).c_str(), morvane::WindowKeys, form)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.2);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
