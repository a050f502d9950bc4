// How long one user reaction takes in every registered window: typing a number into each
// text box (key pressed, change, key released per character) and clicking each button.
#include <benchmark/benchmark.h>

#include "recording_platform.h"
#include "shell/application.h"
#include "user_input.h"

using namespace morvane;

namespace {

void typeIntoEveryField(benchmark::State& state, const std::string& form) {
    RecordingPlatform platform;
    Application app(platform);
    FormModel& f = app.open(form);
    std::vector<std::string> fields;
    for (const Control& c : f.controls())
        if (c.kind == Kind::TextBox && f.reachable(c.key()) && !c.readOnly)
            fields.push_back(c.key());
    std::size_t events = 0;
    for (auto _ : state) {
        for (const auto& key : fields) {
            if (!f.isOpen()) app.open(form);
            if (f.has(key) && f.reachable(key)) typeText(f, key, "12,5", true);
            events += 4;
        }
        platform.messages.clear();
    }
    state.counters["per_key"] = benchmark::Counter(
        static_cast<double>(events), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void clickEveryButton(benchmark::State& state, const std::string& form) {
    RecordingPlatform platform;
    Application app(platform);
    app.open("frmStart");
    FormModel& f = app.open(form);
    std::vector<std::string> buttons;
    for (const Control& c : f.controls())
        if ((c.kind == Kind::Command || c.kind == Kind::Option) && f.reachable(c.key()))
            buttons.push_back(c.key());
    std::size_t events = 0;
    for (auto _ : state) {
        for (const auto& key : buttons) {
            if (!f.isOpen()) app.open(form);
            if (f.has(key) && f.reachable(key)) f.click(key);
            ++events;
        }
        platform.messages.clear();
    }
    state.counters["per_click"] = benchmark::Counter(
        static_cast<double>(events), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

int main(int argc, char** argv) {
    // Windows register themselves during static initialisation, so only now is the list whole.
    for (const std::string& form : Application::registeredForms()) {
        if (form == "frmStart") continue;
        benchmark::RegisterBenchmark(("type/" + form).c_str(), typeIntoEveryField, form);
        benchmark::RegisterBenchmark(("click/" + form).c_str(), clickEveryButton, form)
            ->MinTime(0.01);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
