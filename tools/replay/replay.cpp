#include "replay.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "recording_platform.h"
#include "shell/application.h"
#include "shell/form_model.h"
#include "shell/record.h"
#include "user_input.h"

namespace morvane {

namespace {

struct Token {
    std::string text;
    bool quoted = false;
};

struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
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

const std::map<std::string, int> NamedKeys = {
    {"Enter", Key::Enter},   {"Backspace", Key::Backspace},
    {"Delete", Key::Delete}, {"Tab", Key::Tab},
    {"Escape", Key::Escape}, {"Left", Key::Left},
    {"Right", Key::Right},   {"Up", Key::Up},
    {"Down", Key::Down},     {"Home", Key::Home},
    {"End", Key::End},       {"Shift", Key::Shift},
};

const std::vector<std::string> BoolProps = {"visible",  "enabled", "readonly",
                                            "selected", "bold",    "flat"};
const std::vector<std::string> Props = {"visible", "enabled", "readonly",  "selected",  "bold",
                                        "flat",    "tooltip", "forecolor", "backcolor", "left",
                                        "top",     "width",   "height",    "value",     "min",
                                        "max",     "count",   "listindex", "tab"};

bool isProp(const std::string& s) {
    return std::find(Props.begin(), Props.end(), s) != Props.end();
}

std::string quote(const std::string& s) {
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
    if (s.size() > 2 && (s.compare(0, 2, "&H") == 0 || s.compare(0, 2, "&h") == 0))
        s = s.substr(2);
    else if (s.size() > 2 && (s.compare(0, 2, "0x") == 0))
        s = s.substr(2);
    else
        return std::nullopt;
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
    Runner(std::string source, std::ostream& err) : source_(std::move(source)), err_(err) {
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
    }

    ReplayResult result() const { return result_; }

private:
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

    static void need(const std::vector<Token>& t, std::size_t min, std::size_t max) {
        if (t.size() < min || t.size() > max)
            throw ScriptError("wrong number of arguments for " + t[0].text);
    }
    static const std::string& str(const std::vector<Token>& t, std::size_t i) {
        if (!t[i].quoted) throw ScriptError("expected a quoted text: " + t[i].text);
        return t[i].text;
    }

    FormModel& openForm(const std::string& name) {
        if (!Application::isRegistered(name)) throw ScriptError("no window " + name);
        if (!app_.isOpen(name)) throw ScriptError("window " + name + " is not open");
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
        if (!Application::isRegistered(formName)) throw ScriptError("no window " + formName);
        FormModel& f = app_.model(formName);
        if (!f.isOpen()) throw ScriptError("window " + formName + " is not open");
        if (!f.has(key)) throw ScriptError("no control " + key + " in " + formName);
        return {&f, key};
    }

    std::pair<FormModel*, std::string> reachableControl(const std::string& ref) {
        auto fc = control(ref);
        if (!fc.first->reachable(fc.second))
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

    void action(const std::vector<Token>& t) {
        const std::string& cmd = t[0].text;
        if (cmd == "open") {
            need(t, 2, 2);
            if (!Application::isRegistered(t[1].text)) throw ScriptError("no window " + t[1].text);
            act([&] { app_.open(t[1].text); }, true);
            current_ = t[1].text;
        } else if (cmd == "close") {
            need(t, 2, 2);
            if (!Application::isRegistered(t[1].text)) throw ScriptError("no window " + t[1].text);
            act([&] { app_.close(t[1].text); }, false);
        } else if (cmd == "form") {
            need(t, 2, 2);
            openForm(t[1].text);
            current_ = t[1].text;
        } else if (cmd == "menu" || cmd == "submenu") {
            need(t, 2, 2);
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
            act([&] { cmd == "menu" ? owner->menu(key) : owner->submenu(key); }, true);
        } else if (cmd == "type" || cmd == "retype") {
            need(t, 3, 3);
            auto [f, key] = reachableControl(t[1].text);
            const std::string& text = str(t, 2);
            act([&] { typeText(*f, key, text, cmd == "retype"); }, true);
        } else if (cmd == "key") {
            need(t, 3, 4);
            auto [f, key] = reachableControl(t[1].text);
            auto k = NamedKeys.find(t[2].text);
            if (k == NamedKeys.end()) throw ScriptError("unknown key " + t[2].text);
            const int n = t.size() == 4 ? parseInt(t[3].text) : 1;
            act(
                [&, f = f, key = key] {
                    for (int i = 0; i < n && f->isOpen(); ++i) pressKey(*f, key, k->second);
                },
                true);
        } else if (cmd == "keyup") {
            need(t, 2, 3);
            auto [f, key] = control(t[1].text);
            int code = Key::Tab;
            if (t.size() == 3) {
                auto k = NamedKeys.find(t[2].text);
                if (k == NamedKeys.end()) throw ScriptError("unknown key " + t[2].text);
                code = k->second;
            }
            act(
                [&, f = f, key = key] {
                    f->setFocus(key);
                    f->keyUp(key, code);
                },
                true);
        } else if (cmd == "paste") {
            need(t, 3, 3);
            auto [f, key] = reachableControl(t[1].text);
            const std::string& text = str(t, 2);
            act(
                [&, f = f, key = key] {
                    f->userFocus(key);
                    if (!f->c(key).readOnly) f->userEdit(key, text);
                },
                true);
        } else if (cmd == "click") {
            need(t, 2, 2);
            auto [f, key] = reachableControl(t[1].text);
            act([&, f = f, key = key] { f->click(key); }, true);
        } else if (cmd == "select") {
            need(t, 3, 3);
            auto [f, key] = reachableControl(t[1].text);
            const auto& items = f->c(key).items;
            auto it = std::find(items.begin(), items.end(), str(t, 2));
            if (it == items.end()) throw ScriptError("no list item " + quote(t[2].text));
            const int index = static_cast<int>(it - items.begin());
            act([&, f = f, key = key] { f->listClick(key, index); }, true);
        } else if (cmd == "scroll") {
            need(t, 3, 3);
            auto [f, key] = reachableControl(t[1].text);
            const int v = parseInt(t[2].text);
            act([&, f = f, key = key] { f->scroll(key, v); }, true);
        } else if (cmd == "hover") {
            need(t, 2, 2);
            const std::string& ref = t[1].text;
            const bool isForm = Application::isRegistered(ref) &&
                                !(app_.isOpen(current_) && app_.model(current_).has(ref));
            if (isForm) {
                FormModel& f = openForm(ref);
                act([&] { f.mouseMoveWindow(); }, false);
            } else {
                auto [f, key] = control(ref);
                act([&, f = f, key = key] { f->mouseMove(key); }, false);
            }
        } else if (cmd == "tick") {
            need(t, 2, 3);
            auto [f, key] = control(t[1].text);
            const int n = t.size() == 3 ? parseInt(t[2].text) : 1;
            act(
                [&, f = f, key = key] {
                    for (int i = 0; i < n && f->isOpen(); ++i) f->tick(key);
                },
                false);
        } else if (cmd == "tabpage") {
            need(t, 3, 3);
            auto [f, key] = reachableControl(t[1].text);
            const int page = parseInt(t[2].text);
            if (page < 0 || page >= static_cast<int>(f->c(key).tabs.size()))
                throw ScriptError("no page " + t[2].text);
            act([&, f = f, key = key] { f->tabShown(key, page); }, false);
        } else if (cmd == "date") {
            need(t, 2, 2);
            const std::string& d = t[1].text;
            if (d.size() != 10 || d[4] != '-' || d[7] != '-') throw ScriptError("bad date " + d);
            platform_.date = {parseInt(d.substr(0, 4)), parseInt(d.substr(5, 2)),
                              parseInt(d.substr(8, 2))};
        } else if (cmd == "record") {
            need(t, 1, 1);
            FormModel& f = openForm(current_);
            if (!hasRecord(f)) throw ScriptError("window " + current_ + " has no record");
            record_ = makeRecord(f).text();
        } else {
            throw ScriptError("unknown command " + cmd);
        }
    }

    void expect(const std::vector<Token>& t) {
        if (t.size() < 2) throw ScriptError("expect what?");
        const std::string& what = t[1].text;
        if (!t[1].quoted) {
            if ((what == "open" || what == "closed" || what == "front") && t.size() == 3 &&
                !t[2].quoted) {
                if (!Application::isRegistered(t[2].text))
                    throw ScriptError("no window " + t[2].text);
                if (what == "open")
                    check(app_.isOpen(t[2].text), t[2].text + " open", "closed");
                else if (what == "closed")
                    check(!app_.isOpen(t[2].text), t[2].text + " closed", "open");
                else {
                    FormModel* f = app_.front();
                    check(f && f->name() == t[2].text, t[2].text + " in front",
                          f ? f->name() : "no window");
                }
                return;
            }
            if (what == "message") return expectMessage(t);
            if (what == "nomessage") {
                need(t, 2, 2);
                const std::size_t left = platform_.messages.size() - checkedMessages_;
                std::string found = "no further message";
                if (left > 0) {
                    const auto& m = platform_.messages[checkedMessages_];
                    found = std::to_string(left) + " unchecked, the first " + quote(m.title) + " " +
                            quote(m.text);
                }
                check(left == 0, "no unchecked message", found);
                return;
            }
            if (what == "shell" || what == "noshell") {
                need(t, 2, 2);
                const std::size_t left = platform_.shell.size() - checkedShell_;
                if (what == "shell") {
                    check(left > 0, "a shell call", "none");
                    if (left > 0) ++checkedShell_;
                } else {
                    check(left == 0, "no shell call",
                          left ? quote(platform_.shell[checkedShell_]) : "");
                }
                return;
            }
            if (what == "clipboard") {
                need(t, 3, 3);
                check(platform_.clipboard == str(t, 2), quote(t[2].text),
                      quote(platform_.clipboard));
                return;
            }
            if (what == "record") {
                need(t, 3, 3);
                check(record_ && *record_ == str(t, 2), quote(t[2].text),
                      record_ ? quote(*record_) : "no record");
                return;
            }
            if (what == "printed") {
                need(t, 3, 3);
                std::string found = "no printout";
                bool ok = false;
                if (!platform_.printouts.empty()) {
                    found.clear();
                    const auto& lines = platform_.printouts.back().lines;
                    for (std::size_t i = 0; i < lines.size(); ++i)
                        found += (i ? "\n" : "") + lines[i].text;
                    ok = found == str(t, 2);
                    found = quote(found);
                }
                check(ok, quote(t[2].text), found);
                return;
            }
            if (what == "cell") {
                need(t, 5, 5);
                auto [f, key] = control(t[2].text);
                std::string address = t[3].text;
                for (auto& ch : address)
                    ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
                const auto& cells = f->c(key).cells;
                auto it = cells.find(address);
                check(it != cells.end() && it->second == str(t, 4), quote(t[4].text),
                      it == cells.end() ? "no value written" : quote(it->second));
                return;
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
            if (prop.empty()) {
                check(f.window().title == str(t, 2), quote(t[2].text), quote(f.window().title));
            } else if (prop == "height" || prop == "width") {
                const int v = prop == "height" ? f.outerHeight() : f.outerWidth();
                check(v == parseInt(t[2].text), t[2].text, std::to_string(v));
            } else {
                throw ScriptError("windows have no property " + prop);
            }
            return;
        }
        auto [f, key] = control(ref);
        const Control& x = f->c(key);
        if (prop.empty()) {
            check(x.text == str(t, 2), quote(t[2].text), quote(x.text));
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
            check(x.toolTip == str(t, 2), quote(v), quote(x.toolTip));
        } else if (prop == "forecolor" || prop == "backcolor") {
            auto want = parseColour(v);
            if (!want) throw ScriptError("not a colour: " + v);
            const std::uint32_t actual = prop == "forecolor" ? x.foreColor : x.backColor;
            check(actual == *want, v, Color::text(actual));
        } else {
            int actual = 0;
            if (prop == "left")
                actual = x.left;
            else if (prop == "top")
                actual = x.top;
            else if (prop == "width")
                actual = x.width;
            else if (prop == "height")
                actual = x.height;
            else if (prop == "value")
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

    void expectMessage(const std::vector<Token>& t) {
        need(t, 4, 5);
        const bool anyTitle = !t[2].quoted && t[2].text == "*";
        if (!anyTitle && !t[2].quoted) throw ScriptError("expected a quoted title or *");
        const std::string& text = str(t, 3);
        const bool error = t.size() == 5;
        if (error && t[4].text != "error") throw ScriptError("unexpected " + t[4].text);
        if (checkedMessages_ >= platform_.messages.size()) {
            fail("expected message " + quote(text) + ", found none");
            return;
        }
        const RecordedMessage& m = platform_.messages[checkedMessages_++];
        const bool ok = (anyTitle || m.title == t[2].text) && matchTemplate(text, 0, m.text, 0) &&
                        ((m.icon == MessageIcon::Error) == error);
        check(ok,
              "message " + (anyTitle ? std::string("*") : quote(t[2].text)) + " " + quote(text) +
                  (error ? " error" : ""),
              "message " + quote(m.title) + " " + quote(m.text) +
                  (m.icon == MessageIcon::Error ? " error" : ""));
    }

    std::string source_;
    std::ostream& err_;
    RecordingPlatform platform_;
    Application app_{platform_};
    std::string current_;
    std::string shown_;
    std::optional<std::string> record_;
    int line_ = 0;
    std::size_t checkedMessages_ = 0;
    std::size_t checkedShell_ = 0;
    ReplayResult result_;
};

}  // namespace

ReplayResult runScenario(std::istream& in, const std::string& sourceName, std::ostream& err) {
    Runner runner(sourceName, err);
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

}  // namespace morvane
