#include "replay.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iostream>
#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "replay_driver.h"
#include "shell/record.h"
#include "user_input.h"

namespace morvane {

namespace {

struct Token {
    std::string text;
    bool quoted = false;
};

std::vector<Token> tokenize(const std::string& line) {
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < line.size()) {
        const char ch = line[i];
        if (ch == ' ' || ch == '\t' || ch == '\r') {
            ++i;
            continue;
        }
        Token t;
        if (ch == '"') {
            t.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char x = line[i++];
                if (x == '"') {
                    closed = true;
                    break;
                }
                if (x == '\\' && i < line.size()) {
                    const char e = line[i++];
                    switch (e) {
                        case 'r': x = '\r'; break;
                        case 'n': x = '\n'; break;
                        case 't': x = '\t'; break;
                        case '"': x = '"'; break;
                        case '\\': x = '\\'; break;
                        default: throw ScriptError(std::string("unknown escape \\") + e);
                    }
                }
                t.text += x;
            }
            if (!closed) throw ScriptError("unterminated string");
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
                t.text += line[i++];
        }
        out.push_back(std::move(t));
    }
    return out;
}

const std::vector<std::string> BoolProps = {"visible",  "enabled", "readonly",
                                            "selected", "bold",    "flat"};
const std::vector<std::string> Props = {"visible", "enabled", "readonly",  "selected",  "bold",
                                        "flat",    "tooltip", "forecolor", "backcolor", "left",
                                        "top",     "width",   "height",    "value",     "min",
                                        "max",     "count",   "listindex", "tab"};

bool isProp(const std::string& s) {
    return std::find(Props.begin(), Props.end(), s) != Props.end();
}

// Matches a message template with {nonumber}, {overflow}, {divzero}, {invalid}, {any}.
bool matchTemplate(const std::string& tpl, std::size_t ti, const std::string& s, std::size_t si) {
    static const std::map<std::string, std::vector<FailureKind>> Holes = {
        {"{nonumber}", {FailureKind::NoNumber}},
        {"{overflow}", {FailureKind::Overflow}},
        {"{divzero}", {FailureKind::DivZero}},
        {"{invalid}", {FailureKind::Invalid}},
        {"{any}",
         {FailureKind::NoNumber, FailureKind::Overflow, FailureKind::DivZero,
          FailureKind::Invalid}},
    };
    while (ti < tpl.size()) {
        if (tpl[ti] == '{') {
            for (const auto& [hole, kinds] : Holes) {
                if (tpl.compare(ti, hole.size(), hole) != 0) continue;
                for (FailureKind k : kinds) {
                    const std::string d = describe(k);
                    if (s.compare(si, d.size(), d) == 0 &&
                        matchTemplate(tpl, ti + hole.size(), s, si + d.size()))
                        return true;
                }
                return false;
            }
        }
        if (si >= s.size() || s[si] != tpl[ti]) return false;
        ++ti, ++si;
    }
    return si == s.size();
}

std::optional<std::uint32_t> parseColour(std::string s) {
    const bool prefixed =
        s.size() > 2 &&
        (s.compare(0, 2, "&H") == 0 || s.compare(0, 2, "&h") == 0 || s.compare(0, 2, "0x") == 0);
    if (!prefixed) return std::nullopt;
    s = s.substr(2);
    if (!s.empty() && s.back() == '&') s.pop_back();
    if (s.empty() || s.size() > 8) return std::nullopt;
    std::uint32_t v = 0;
    for (char ch : s) {
        int d;
        if (ch >= '0' && ch <= '9')
            d = ch - '0';
        else if (ch >= 'a' && ch <= 'f')
            d = ch - 'a' + 10;
        else if (ch >= 'A' && ch <= 'F')
            d = ch - 'A' + 10;
        else
            return std::nullopt;
        v = v * 16 + static_cast<std::uint32_t>(d);
    }
    return v;
}

int parseInt(const std::string& s) {
    try {
        std::size_t pos = 0;
        const int v = std::stoi(s, &pos);
        if (pos != s.size()) throw ScriptError("not a whole number: " + s);
        return v;
    } catch (const std::logic_error&) {
        throw ScriptError("not a whole number: " + s);
    }
}

class Runner : public AppListener {
public:
    Runner(std::string source, std::ostream& err, ReplayDriver& driver)
        : source_(std::move(source)), err_(err), driver_(driver), app_(driver.app()) {
        app_.addListener(this);
        app_.open("frmStart");
        current_ = "frmStart";
    }
    ~Runner() override { app_.removeListener(this); }

    void opened(FormModel& f) override { shown_ = f.name(); }
    void raised(FormModel& f) override { shown_ = f.name(); }
    void closed(FormModel&) override {}

    void line(int number, const std::string& text) {
        line_ = number;
        std::size_t first = text.find_first_not_of(" \t\r");
        if (first == std::string::npos || text[first] == '#') return;
        try {
            auto tokens = tokenize(text);
            if (tokens.empty()) return;
            if (tokens[0].text == "expect")
                expect(tokens);
            else
                action(tokens);
        } catch (const ScriptError& e) {
            fail(std::string("error: ") + e.what());
        } catch (const std::exception& e) {
            fail(std::string("error: ") + e.what());
        }
        for (std::string f = driver_.takeFault(); !f.empty(); f = driver_.takeFault())
            fail("error: " + f);
    }

    ReplayResult result() const { return result_; }

private:
    using Args = std::vector<Token>;
    // A command: its number of tokens (the command's own included) and what it does.
    struct Command {
        std::size_t min, max;
        void (Runner::*run)(const Args&);
    };

    // Every action a script can name. A new command is one row here and one member below.
    static const std::map<std::string, Command>& actions() {
        static const std::map<std::string, Command> table = {
            {"open", {2, 2, &Runner::doOpen}},     {"close", {2, 2, &Runner::doClose}},
            {"form", {2, 2, &Runner::doForm}},     {"menu", {2, 2, &Runner::doMenu}},
            {"submenu", {2, 2, &Runner::doMenu}},  {"type", {3, 3, &Runner::doType}},
            {"retype", {3, 3, &Runner::doType}},   {"key", {3, 4, &Runner::doKey}},
            {"keyup", {2, 3, &Runner::doKeyUp}},   {"paste", {3, 3, &Runner::doPaste}},
            {"click", {2, 2, &Runner::doClick}},   {"select", {3, 3, &Runner::doSelect}},
            {"scroll", {3, 3, &Runner::doScroll}}, {"hover", {2, 2, &Runner::doHover}},
            {"tick", {2, 3, &Runner::doTick}},     {"tabpage", {3, 3, &Runner::doTabPage}},
            {"date", {2, 2, &Runner::doDate}},     {"record", {1, 1, &Runner::doRecord}},
        };
        return table;
    }

    // The checks that start with a word of their own (`expect message ...`); every other
    // check names a window or a control.
    static const std::map<std::string, Command>& namedChecks() {
        static const std::map<std::string, Command> table = {
            {"message", {4, 5, &Runner::expectMessage}},
            {"nomessage", {2, 2, &Runner::expectNoMessage}},
            {"shell", {2, 2, &Runner::expectShell}},
            {"noshell", {2, 2, &Runner::expectShell}},
            {"clipboard", {3, 3, &Runner::expectClipboard}},
            {"printed", {3, 3, &Runner::expectPrinted}},
            {"cell", {5, 5, &Runner::expectCell}},
            {"record", {3, 3, &Runner::expectRecord}},
        };
        return table;
    }

    void fail(const std::string& what) {
        ++result_.failed;
        err_ << source_ << ":" << line_ << ": " << what << "\n";
    }
    void pass() { ++result_.passed; }
    void check(bool ok, const std::string& expected, const std::string& found) {
        if (ok)
            pass();
        else
            fail("expected " + expected + ", found " + found);
    }

    static void need(const Args& t, std::size_t min, std::size_t max) {
        if (t.size() < min || t.size() > max)
            throw ScriptError("wrong number of arguments for " + t[0].text);
    }
    static const std::string& str(const Args& t, std::size_t i) {
        if (!t[i].quoted) throw ScriptError("expected a quoted text: " + t[i].text);
        return t[i].text;
    }
    static int namedKey(const std::string& name) {
        const int code = keyByName(name);
        if (code == 0) throw ScriptError("unknown key " + name);
        return code;
    }
    static void needWindow(const std::string& name) {
        if (!Application::isRegistered(name)) throw ScriptError("no window " + name);
    }

    FormModel& openForm(const std::string& name) {
        needWindow(name);
        if (!driver_.isOpen(name)) throw ScriptError("window " + name + " is not open");
        return app_.model(name);
    }

    // Resolves "CTRL", "CTRL(i)" or "FORM.CTRL(i)" to a form and a control key.
    std::pair<FormModel*, std::string> control(const std::string& ref) {
        std::string formName = current_;
        std::string key = ref;
        const auto dot = ref.find('.');
        if (dot != std::string::npos && Application::isRegistered(ref.substr(0, dot))) {
            formName = ref.substr(0, dot);
            key = ref.substr(dot + 1);
        }
        needWindow(formName);
        FormModel& f = app_.model(formName);
        if (!driver_.isOpen(formName)) throw ScriptError("window " + formName + " is not open");
        if (!f.has(key)) throw ScriptError("no control " + key + " in " + formName);
        return {&f, key};
    }

    std::pair<FormModel*, std::string> reachableControl(const std::string& ref) {
        auto fc = control(ref);
        if (!driver_.reachable(*fc.first, fc.second))
            throw ScriptError("control " + ref + " is disabled or invisible");
        return fc;
    }

    // Runs a user action; afterwards the window it showed becomes current.
    void act(const std::function<void()>& body, bool followShown) {
        shown_.clear();
        body();
        if (followShown && !shown_.empty() && app_.isOpen(shown_)) current_ = shown_;
        if (!app_.isOpen(current_)) {
            if (FormModel* f = app_.front()) current_ = f->name();
        }
    }

    void action(const Args& t) {
        auto it = actions().find(t[0].text);
        if (it == actions().end()) throw ScriptError("unknown command " + t[0].text);
        need(t, it->second.min, it->second.max);
        (this->*it->second.run)(t);
    }

    // ---- Actions ----

    void doOpen(const Args& t) {
        needWindow(t[1].text);
        act([&] { driver_.open(t[1].text); }, true);
        current_ = t[1].text;
    }
    void doClose(const Args& t) {
        needWindow(t[1].text);
        act([&] { driver_.close(t[1].text); }, false);
    }
    void doForm(const Args& t) {
        openForm(t[1].text);
        current_ = t[1].text;
    }
    // `menu` and `submenu`: an entry of the current window's own menu, else of the start
    // window's.
    void doMenu(const Args& t) {
        FormModel* owner = nullptr;
        if (app_.isOpen(current_)) {
            FormModel& f = app_.model(current_);
            if (f.has(t[1].text) && f.c(t[1].text).kind == Kind::Menu) owner = &f;
        }
        if (!owner) {
            FormModel& start = app_.model("frmStart");
            if (!start.has(t[1].text) || start.c(t[1].text).kind != Kind::Menu)
                throw ScriptError("no menu entry " + t[1].text);
            owner = &start;
        }
        const std::string key = t[1].text;
        const bool sub = t[0].text == "submenu";
        act([&] { sub ? driver_.submenu(*owner, key) : driver_.menu(*owner, key); }, true);
    }
    void doType(const Args& t) {
        auto [f, key] = reachableControl(t[1].text);
        const std::string& text = str(t, 2);
        const bool replace = t[0].text == "retype";
        act([&, f = f, key = key] { driver_.type(*f, key, text, replace); }, true);
    }
    void doKey(const Args& t) {
        auto [f, key] = reachableControl(t[1].text);
        const int code = namedKey(t[2].text);
        const int n = t.size() == 4 ? parseInt(t[3].text) : 1;
        act(
            [&, f = f, key = key] {
                for (int i = 0; i < n && f->isOpen(); ++i) driver_.key(*f, key, code);
            },
            true);
    }
    void doKeyUp(const Args& t) {
        auto [f, key] = control(t[1].text);
        const int code = t.size() == 3 ? namedKey(t[2].text) : Key::Tab;
        act([&, f = f, key = key] { driver_.keyUp(*f, key, code); }, true);
    }
    void doPaste(const Args& t) {
        auto [f, key] = reachableControl(t[1].text);
        const std::string& text = str(t, 2);
        act([&, f = f, key = key] { driver_.paste(*f, key, text); }, true);
    }
    void doClick(const Args& t) {
        auto [f, key] = reachableControl(t[1].text);
        act([&, f = f, key = key] { driver_.click(*f, key); }, true);
    }
    void doSelect(const Args& t) {
        auto [f, key] = reachableControl(t[1].text);
        const auto items = driver_.shown(*f, key).items;
        auto it = std::find(items.begin(), items.end(), str(t, 2));
        if (it == items.end()) throw ScriptError("no list item " + quoted(t[2].text));
        const int index = static_cast<int>(it - items.begin());
        act([&, f = f, key = key] { driver_.select(*f, key, index); }, true);
    }
    void doScroll(const Args& t) {
        auto [f, key] = reachableControl(t[1].text);
        const int v = parseInt(t[2].text);
        act([&, f = f, key = key] { driver_.scroll(*f, key, v); }, true);
    }
    void doHover(const Args& t) {
        const std::string& ref = t[1].text;
        const bool isForm = Application::isRegistered(ref) &&
                            !(app_.isOpen(current_) && app_.model(current_).has(ref));
        if (isForm) {
            FormModel& f = openForm(ref);
            act([&] { driver_.hoverWindow(f); }, false);
        } else {
            auto [f, key] = control(ref);
            act([&, f = f, key = key] { driver_.hover(*f, key); }, false);
        }
    }
    void doTick(const Args& t) {
        auto [f, key] = control(t[1].text);
        const int n = t.size() == 3 ? parseInt(t[2].text) : 1;
        act(
            [&, f = f, key = key] {
                for (int i = 0; i < n && f->isOpen(); ++i) driver_.tick(*f, key);
            },
            false);
    }
    void doTabPage(const Args& t) {
        auto [f, key] = reachableControl(t[1].text);
        const int page = parseInt(t[2].text);
        if (page < 0 || page >= static_cast<int>(driver_.shown(*f, key).tabs.size()))
            throw ScriptError("no page " + t[2].text);
        act([&, f = f, key = key] { driver_.tabPage(*f, key, page); }, false);
    }
    void doDate(const Args& t) {
        const std::string& d = t[1].text;
        if (d.size() != 10 || d[4] != '-' || d[7] != '-') throw ScriptError("bad date " + d);
        driver_.recording().date = {parseInt(d.substr(0, 4)), parseInt(d.substr(5, 2)),
                                    parseInt(d.substr(8, 2))};
    }

    void doRecord(const Args&) {
        FormModel& f = openForm(current_);
        if (!hasRecord(f)) throw ScriptError("window " + current_ + " has no record");
        record_ = driver_.record(f);
    }

    // ---- Checks ----

    void expect(const Args& t) {
        if (t.size() < 2) throw ScriptError("expect what?");
        const std::string& what = t[1].text;
        if (!t[1].quoted) {
            if ((what == "open" || what == "closed" || what == "front") && t.size() == 3 &&
                !t[2].quoted) {
                needWindow(t[2].text);
                if (what == "open") {
                    check(driver_.isOpen(t[2].text), t[2].text + " open", "closed");
                } else if (what == "closed") {
                    check(!driver_.isOpen(t[2].text), t[2].text + " closed", "open");
                } else {
                    const std::string front = driver_.front();
                    check(front == t[2].text, t[2].text + " in front",
                          front.empty() ? "no window" : front);
                }
                return;
            }
            auto it = namedChecks().find(what);
            if (it != namedChecks().end()) {
                need(t, it->second.min, it->second.max);
                return (this->*it->second.run)(t);
            }
        }
        need(t, 3, 3);
        std::string ref = what;
        std::string prop;
        const auto dot = ref.rfind('.');
        if (dot != std::string::npos && isProp(ref.substr(dot + 1))) {
            prop = ref.substr(dot + 1);
            ref = ref.substr(0, dot);
        }
        // A window: its title, outer height or width.
        const bool currentHas = app_.isOpen(current_) && app_.model(current_).has(ref);
        if (Application::isRegistered(ref) && !currentHas) {
            FormModel& f = openForm(ref);
            const ShownWindow w = driver_.window(f);
            if (prop.empty()) {
                check(w.title == str(t, 2), quoted(t[2].text), quoted(w.title));
            } else if (prop == "height" || prop == "width") {
                const int v = prop == "height" ? w.outerHeight : w.outerWidth;
                check(sameTwips(parseInt(t[2].text), v), t[2].text, std::to_string(v));
            } else {
                throw ScriptError("windows have no property " + prop);
            }
            return;
        }
        auto [f, key] = control(ref);
        const Control x = driver_.shown(*f, key);
        if (prop.empty()) {
            check(x.text == str(t, 2), quoted(t[2].text), quoted(x.text));
            return;
        }
        const std::string& v = t[2].text;
        if (std::find(BoolProps.begin(), BoolProps.end(), prop) != BoolProps.end()) {
            if (v != "true" && v != "false") throw ScriptError("expected true or false: " + v);
            bool actual = false;
            if (prop == "visible")
                actual = x.visible;
            else if (prop == "enabled")
                actual = x.enabled;
            else if (prop == "readonly")
                actual = x.readOnly;
            else if (prop == "selected")
                actual = x.selected;
            else if (prop == "bold")
                actual = x.bold;
            else
                actual = x.flat;
            check(actual == (v == "true"), v, actual ? "true" : "false");
        } else if (prop == "tooltip") {
            check(x.toolTip == str(t, 2), quoted(v), quoted(x.toolTip));
        } else if (prop == "forecolor" || prop == "backcolor") {
            auto want = parseColour(v);
            if (!want) throw ScriptError("not a colour: " + v);
            const std::uint32_t actual = prop == "forecolor" ? x.foreColor : x.backColor;
            check(driver_.sameColour(*f, key, actual, *want, prop == "forecolor"), v,
                  Color::text(actual));
        } else if (prop == "left" || prop == "top" || prop == "width" || prop == "height") {
            const int actual = prop == "left"    ? x.left
                               : prop == "top"   ? x.top
                               : prop == "width" ? x.width
                                                 : x.height;
            check(sameTwips(parseInt(v), actual), v, std::to_string(actual));
        } else {
            int actual = 0;
            if (prop == "value")
                actual = x.value;
            else if (prop == "min")
                actual = x.min;
            else if (prop == "max")
                actual = x.max;
            else if (prop == "count")
                actual = static_cast<int>(x.items.size());
            else if (prop == "listindex")
                actual = x.listIndex;
            else
                actual = x.currentTab;
            check(actual == parseInt(v), v, std::to_string(actual));
        }
    }

    // Positions and sizes compare at the driver's step: the expected value, rounded to it.
    bool sameTwips(int expected, int shown) const {
        const int step = driver_.twipStep();
        if (step <= 1) return expected == shown;
        const long rounded = std::lround(static_cast<double>(expected) / step) * step;
        return rounded == shown;
    }

    void expectMessage(const Args& t) {
        const bool anyTitle = !t[2].quoted && t[2].text == "*";
        if (!anyTitle && !t[2].quoted) throw ScriptError("expected a quoted title or *");
        const std::string& text = str(t, 3);
        const bool error = t.size() == 5;
        if (error && t[4].text != "error") throw ScriptError("unexpected " + t[4].text);
        const auto& messages = driver_.recording().messages;
        if (checkedMessages_ >= messages.size()) {
            fail("expected message " + quoted(text) + ", found none");
            return;
        }
        const RecordedMessage& m = messages[checkedMessages_++];
        const bool ok = (anyTitle || m.title == t[2].text) && matchTemplate(text, 0, m.text, 0) &&
                        ((m.icon == MessageIcon::Error) == error);
        check(ok,
              "message " + (anyTitle ? std::string("*") : quoted(t[2].text)) + " " + quoted(text) +
                  (error ? " error" : ""),
              "message " + quoted(m.title) + " " + quoted(m.text) +
                  (m.icon == MessageIcon::Error ? " error" : ""));
    }
    void expectNoMessage(const Args&) {
        const auto& messages = driver_.recording().messages;
        const std::size_t left = messages.size() - checkedMessages_;
        std::string found = "no further message";
        if (left > 0) {
            const auto& m = messages[checkedMessages_];
            found = std::to_string(left) + " unchecked, the first " + quoted(m.title) + " " +
                    quoted(m.text);
        }
        check(left == 0, "no unchecked message", found);
    }
    void expectShell(const Args& t) {
        const auto& shell = driver_.recording().shell;
        const std::size_t left = shell.size() - checkedShell_;
        if (t[1].text == "shell") {
            check(left > 0, "a shell call", "none");
            if (left > 0) ++checkedShell_;
        } else {
            check(left == 0, "no shell call", left ? quoted(shell[checkedShell_]) : "");
        }
    }
    void expectClipboard(const Args& t) {
        const std::string& clipboard = driver_.recording().clipboard;
        check(clipboard == str(t, 2), quoted(t[2].text), quoted(clipboard));
    }
    void expectPrinted(const Args& t) {
        const auto& printouts = driver_.recording().printouts;
        std::string found = "no printout";
        bool ok = false;
        if (!printouts.empty()) {
            found.clear();
            const auto& lines = printouts.back().lines;
            for (std::size_t i = 0; i < lines.size(); ++i) found += (i ? "\n" : "") + lines[i].text;
            ok = found == str(t, 2);
            found = quoted(found);
        }
        check(ok, quoted(t[2].text), found);
    }
    void expectRecord(const Args& t) {
        check(record_ && *record_ == str(t, 2), quoted(t[2].text),
              record_ ? quoted(*record_) : "no record");
    }
    void expectCell(const Args& t) {
        auto [f, key] = control(t[2].text);
        std::string address = t[3].text;
        for (auto& ch : address)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        const auto cells = driver_.shown(*f, key).cells;
        auto it = cells.find(address);
        check(it != cells.end() && it->second == str(t, 4), quoted(t[4].text),
              it == cells.end() ? "no value written" : quoted(it->second));
    }

    std::string source_;
    std::ostream& err_;
    ReplayDriver& driver_;
    Application& app_;
    std::string current_;
    std::string shown_;
    std::optional<std::string> record_;  // the last record made by `record`
    int line_ = 0;
    std::size_t checkedMessages_ = 0;
    std::size_t checkedShell_ = 0;
    ReplayResult result_;
};

}  // namespace

std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (char ch : s) {
        switch (ch) {
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            default: out += ch;
        }
    }
    return out + "\"";
}

ReplayResult runScenario(std::istream& in, const std::string& sourceName, std::ostream& err,
                         ReplayDriver& driver) {
    Runner runner(sourceName, err, driver);
    std::string text;
    int number = 0;
    bool firstLine = true;
    while (std::getline(in, text)) {
        ++number;
        if (firstLine && text.compare(0, 3, "\xEF\xBB\xBF") == 0) text = text.substr(3);
        firstLine = false;
        runner.line(number, text);
    }
    return runner.result();
}

ReplayResult runScenario(std::istream& in, const std::string& sourceName, std::ostream& err) {
    ModelDriver driver;
    return runScenario(in, sourceName, err, driver);
}

int replayMain(int argc, char** argv, const std::string& tool, const std::string& usageNote,
               const std::function<std::unique_ptr<ReplayDriver>()>& makeDriver) {
    if (argc < 2) {
        std::cerr << "usage: " << tool << " FILE... | -\n" << usageNote;
        return 2;
    }
    ReplayResult total;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        ReplayResult r;
        if (name == "-") {
            r = runScenario(std::cin, "<stdin>", std::cout, *makeDriver());
        } else {
            std::ifstream in(name);
            if (!in) {
                std::cout << name << ": cannot be read\n";
                ++total.failed;
                continue;
            }
            r = runScenario(in, name, std::cout, *makeDriver());
        }
        total.passed += r.passed;
        total.failed += r.failed;
    }
    std::cout << total.passed << " passed, " << total.failed << " failed\n";
    return total.failed == 0 ? 0 : 1;
}

}  // namespace morvane
