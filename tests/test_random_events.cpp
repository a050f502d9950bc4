// Drives every registered window with long random event sequences and checks that no
// failure escapes, no field shows an infinite or not-a-number value and every reaction
// returns. MORVANE_RANDOM_EVENTS sets the events per window (default 2000) and
// MORVANE_RANDOM_SEED the seed (default: a fixed one), for longer runs by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <random>
#include <sstream>
#include <thread>

#include "recording_platform.h"
#include "shell/application.h"
#include "user_input.h"

namespace morvane {
namespace {

enum class Act {
    Type,
    Retype,
    Paste,
    Backspace,
    Enter,
    Tab,
    Click,
    List,
    Scroll,
    Hover,
    HoverWindow,
    Tick,
    TabPage,
    Menu,
    Submenu,
    Reopen
};

struct Step {
    Act act;
    std::string form;
    std::string key;
    std::string text;
    int value = 0;
};

std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (char ch : s) {
        if (ch == '"' || ch == '\\') out += '\\';
        if (ch == '\r')
            out += "\\r";
        else if (ch == '\n')
            out += "\\n";
        else
            out += ch;
    }
    return out + "\"";
}

// The step in the replay tool's own notation, so a failure can be replayed.
std::string scenarioLine(const Step& s) {
    const std::string k = s.form + "." + s.key;
    switch (s.act) {
        case Act::Type: return "type " + k + " " + quoted(s.text);
        case Act::Retype: return "retype " + k + " " + quoted(s.text);
        case Act::Paste: return "paste " + k + " " + quoted(s.text);
        case Act::Backspace: return "key " + k + " Backspace";
        case Act::Enter: return "key " + k + " Enter";
        case Act::Tab: return "key " + k + " Tab";
        case Act::Click: return "click " + k;
        case Act::List: return "select " + k + " #" + std::to_string(s.value);
        case Act::Scroll: return "scroll " + k + " " + std::to_string(s.value);
        case Act::Hover: return "hover " + k;
        case Act::HoverWindow: return "hover " + s.form;
        case Act::Tick: return "tick " + k;
        case Act::TabPage: return "tabpage " + k + " " + std::to_string(s.value);
        case Act::Menu: return "menu " + s.key;
        case Act::Submenu: return "submenu " + s.key;
        case Act::Reopen: return "close " + s.form + "\nopen " + s.form;
    }
    return "";
}

const char* const Texts[] = {
    "0",
    "1",
    "12,5",
    "-3",
    ",5",
    "1.000",
    "1E308",
    "1E-308",
    "-1E308",
    "9,99E307",
    "1e400",
    "abc",
    "12 %",
    "-",
    ",",
    "",
    " 7 ",
    "0,0000001",
    "99999999999999999999",
    "1,5E3",
    "+",
    "3,1416",
    "100",
    "1000000",
    "-0",
    "E",
    "1..2",
    ",,",
    "ä",
    "360",
    "90",
    "45",
    "0,001",
    "123456789012345678901234567890",
    "2147483648",
    "-2147483649",
    "32767",
    "65536",
};

// "inf", "infinity", "nan" and the like as a word of their own, in any case.
bool badText(const std::string& text) {
    auto letter = [](char ch) { return std::isalpha(static_cast<unsigned char>(ch)) != 0; };
    std::string lower(text.size(), ' ');
    std::transform(text.begin(), text.end(), lower.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    for (const char* word : {"inf", "infinity", "nan", "#ind"}) {
        const std::string w = word;
        for (auto at = lower.find(w); at != std::string::npos; at = lower.find(w, at + 1)) {
            const bool before = at == 0 || !letter(lower[at - 1]);
            const bool after = at + w.size() == lower.size() || !letter(lower[at + w.size()]);
            if (before && after) return true;
        }
    }
    return false;
}

class Driver {
public:
    explicit Driver(std::string form) : formName_(std::move(form)) {
        app_.open("frmStart");
        app_.open(formName_);
    }

    // Runs one step; returns false when the step no longer applies (the control is gone).
    bool run(const Step& s) {
        if (s.act == Act::Reopen) {
            app_.close(s.form);
            app_.open(s.form);
            return true;
        }
        if (!app_.isOpen(s.form)) return false;
        FormModel& f = app_.model(s.form);
        if (s.act == Act::HoverWindow) {
            f.mouseMoveWindow();
            return true;
        }
        if (s.act == Act::Menu || s.act == Act::Submenu) {
            if (!f.has(s.key)) return false;
            s.act == Act::Menu ? f.menu(s.key) : f.submenu(s.key);
            return true;
        }
        if (!f.has(s.key) || !f.reachable(s.key)) return false;
        const Control& c = f.c(s.key);
        switch (s.act) {
            case Act::Type:
            case Act::Retype: typeText(f, s.key, s.text, s.act == Act::Retype); break;
            case Act::Paste:
                if (!c.readOnly) f.userEdit(s.key, s.text);
                break;
            case Act::Backspace: pressKey(f, s.key, Key::Backspace); break;
            case Act::Enter: pressKey(f, s.key, Key::Enter); break;
            case Act::Tab: pressKey(f, s.key, Key::Tab); break;
            case Act::Click: f.click(s.key); break;
            case Act::List: f.listClick(s.key, s.value); break;
            case Act::Scroll: f.scroll(s.key, s.value); break;
            case Act::Hover: f.mouseMove(s.key); break;
            case Act::Tick: f.tick(s.key); break;
            case Act::TabPage:
                if (s.value < static_cast<int>(c.tabs.size())) f.tabShown(s.key, s.value);
                break;
            default: break;
        }
        return true;
    }

    // The first field, caption or message that holds a value no user should see.
    std::string problem() {
        for (FormModel* f : app_.openForms()) {
            for (const Control& c : f->controls())
                if (badText(c.text)) return f->name() + "." + c.key() + " shows " + quoted(c.text);
            if (badText(f->window().title))
                return f->name() + " title " + quoted(f->window().title);
        }
        for (const auto& m : platform_.messages) {
            if (badText(m.text)) return "message " + quoted(m.text);
            if (m.text.rfind("Programmfehler", 0) == 0) return "program fault " + quoted(m.text);
        }
        return {};
    }

    Step randomStep(std::mt19937& rng) {
        auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
        Step s;
        s.form = formName_;
        if (!app_.isOpen(formName_) || pick(400) == 0) {
            s.act = Act::Reopen;
            return s;
        }
        FormModel& f = app_.model(formName_);
        std::vector<const Control*> candidates;
        for (const Control& c : f.controls())
            if (c.kind == Kind::Menu || f.reachable(c.key())) candidates.push_back(&c);
        if (candidates.empty() || pick(30) == 0) {
            s.act = Act::HoverWindow;
            return s;
        }
        const Control& c =
            *candidates[static_cast<std::size_t>(pick(static_cast<int>(candidates.size())))];
        s.key = c.key();
        switch (c.kind) {
            case Kind::TextBox: {
                const int r = pick(10);
                std::string text = Texts[pick(sizeof Texts / sizeof *Texts)];
                if (pick(3) == 0) {
                    text.clear();
                    const char* alphabet = "0123456789,.-+eE %a";
                    for (int i = pick(12); i >= 0; --i) text += alphabet[pick(19)];
                }
                s.text = text;
                s.act = r < 3   ? Act::Type
                        : r < 5 ? Act::Retype
                        : r < 6 ? Act::Paste
                        : r < 8 ? Act::Backspace
                        : r < 9 ? Act::Enter
                                : Act::Tab;
                break;
            }
            case Kind::ListBox:
                if (c.items.empty()) {
                    s.act = Act::Hover;
                    break;
                }
                s.act = Act::List;
                s.value = pick(static_cast<int>(c.items.size()));
                break;
            case Kind::HScroll:
                s.act = Act::Scroll;
                s.value = std::min(c.min, c.max) + pick(std::abs(c.max - c.min) + 1);
                break;
            case Kind::Timer: s.act = Act::Tick; break;
            case Kind::Tab:
                s.act = Act::TabPage;
                s.value = c.tabs.empty() ? 0 : pick(static_cast<int>(c.tabs.size()));
                break;
            case Kind::Menu: s.act = pick(4) == 0 ? Act::Submenu : Act::Menu; break;
            case Kind::Command:
            case Kind::Option:
            case Kind::CheckBox:
            case Kind::Label:
            case Kind::Picture: s.act = pick(5) == 0 ? Act::Hover : Act::Click; break;
            default: s.act = Act::Hover; break;
        }
        return s;
    }

private:
    RecordingPlatform platform_;
    Application app_{platform_};
    std::string formName_;
};

// Watches the running step; a step that does not return within a second ends the run.
class Watchdog {
public:
    Watchdog() : thread_([this] { loop(); }) {}
    ~Watchdog() {
        {
            std::lock_guard<std::mutex> lock(m_);
            stop_ = true;
        }
        cv_.notify_all();
        thread_.join();
    }
    void begin(std::string what) {
        std::lock_guard<std::mutex> lock(m_);
        what_ = std::move(what);
        started_ = std::chrono::steady_clock::now();
        running_ = true;
    }
    void end() {
        std::lock_guard<std::mutex> lock(m_);
        running_ = false;
    }

private:
    void loop() {
        std::unique_lock<std::mutex> lock(m_);
        while (!stop_) {
            cv_.wait_for(lock, std::chrono::milliseconds(100));
            if (running_ && std::chrono::steady_clock::now() - started_ > std::chrono::seconds(1)) {
                std::cerr << "A reaction did not return within a second:\n" << what_ << std::endl;
                std::abort();
            }
        }
    }
    std::mutex m_;
    std::condition_variable cv_;
    bool stop_ = false, running_ = false;
    std::string what_;
    std::chrono::steady_clock::time_point started_;
    std::thread thread_;
};

// Runs steps in a fresh application; returns the failure, empty if none.
std::string runSteps(const std::string& form, const std::vector<Step>& steps, Watchdog* dog) {
    Driver d(form);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (dog) {
            std::string log;
            for (std::size_t j = 0; j <= i; ++j) log += scenarioLine(steps[j]) + "\n";
            dog->begin(log);
        }
        try {
            d.run(steps[i]);
        } catch (const std::exception& e) {
            if (dog) dog->end();
            return std::string("exception escaped: ") + e.what();
        }
        if (dog) dog->end();
        std::string p = d.problem();
        if (!p.empty()) return p;
    }
    return {};
}

// Removes steps one at a time while the failure stays.
std::vector<Step> shorten(const std::string& form, std::vector<Step> steps) {
    for (std::size_t i = steps.size(); i-- > 0;) {
        auto trial = steps;
        trial.erase(trial.begin() + static_cast<long>(i));
        if (!runSteps(form, trial, nullptr).empty()) steps = std::move(trial);
    }
    return steps;
}

int envInt(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v ? std::atoi(v) : fallback;
}

class RandomEvents : public ::testing::TestWithParam<std::string> {};

TEST_P(RandomEvents, NothingEscapesNothingShowsInfOrNaNEverythingReturns) {
    const std::string form = GetParam();
    const int events = envInt("MORVANE_RANDOM_EVENTS", 2000);
    const unsigned seed = static_cast<unsigned>(envInt("MORVANE_RANDOM_SEED", 20261208));
    std::mt19937 rng(seed ^ static_cast<unsigned>(std::hash<std::string>{}(form)));
    Watchdog dog;
    Driver d(form);
    std::vector<Step> steps;
    for (int i = 0; i < events; ++i) {
        Step s = d.randomStep(rng);
        steps.push_back(s);
        std::string failure;
        dog.begin(form + ": " + scenarioLine(s) + "\n(seed " + std::to_string(seed) + ", event " +
                  std::to_string(i) + ")");
        try {
            d.run(s);
        } catch (const std::exception& e) {
            failure = std::string("exception escaped: ") + e.what();
        }
        dog.end();
        if (failure.empty()) failure = d.problem();
        if (!failure.empty()) {
            std::ostringstream out;
            out << form << ": " << failure << "\nseed " << seed << ", after " << i + 1
                << " events; shortest sequence found:\n";
            if (steps.size() < 3000)
                for (const Step& x : shorten(form, steps)) out << "  " << scenarioLine(x) << "\n";
            FAIL() << out.str();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, RandomEvents,
                         ::testing::ValuesIn(Application::registeredForms()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string n;
                             for (unsigned char ch : info.param)
                                 n += std::isalnum(ch) ? static_cast<char>(ch) : '_';
                             return n;
                         });

}  // namespace
}  // namespace morvane
