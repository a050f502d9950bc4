#include "random_user.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "replay_driver.h"
#include "user_input.h"

namespace morvane::random_user {

namespace {

const char* const Plain[] = {
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
    "1,5€",
    "€",
    "12.345,67",
};

// Characters of the keyboard a user types numbers with, and some others.
const char* const Keys[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ",", ".",
                            "-", "+", "e", "E", " ", "%", "a", "x", "Z", "€", "ä", "ß"};

std::vector<std::string> makeHostile() {
    std::vector<std::string> t = {
        megabyteOfDigits(),
        "1E309",
        "-1E309",
        "4,9E-324",
        "4.9E-324",
        "2,5E-324",
        "1,7976931348623157E308",
        "1,8E308",
        "1E-400",
        "-0,0E0",
        std::string(400, '9'),
        "0," + std::string(400, '0') + "1",
        "1" + std::string(330, '0'),
        "\xEF\xBC\x91\xEF\xBC\x92\xEF\xBC\x93",              // full-width 123
        "\xEF\xBC\x91\xEF\xBC\x92\xEF\xBC\x8C\xEF\xBC\x95",  // full-width 12,5
        "\xD9\xA1\xD9\xA2\xD9\xA3",                          // Arabic-Indic 123
        "\xD9\xA4\xD9\xAB\xD9\xA5",                          // Arabic-Indic 4٫5
        "\xDB\xB1\xDB\xB2",                                  // Persian 12
        "\xF0\x9F\x98\x80",                                  // an emoji
        "1\xF0\x9F\x98\x80\x32",                             // digits around one
        "\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD",                  // emoji with a skin tone
        "\xE2\x80\xAE\x31\x32,5",                            // right-to-left override
        "1\xE2\x80\x8B\x32",                                 // zero-width space
        "1\xCC\x81",                                         // a combining accent
        "\xE2\x88\x9E",                                      // the infinity sign
        "\x01\x02\x03",
        "1\t2",
        "\x1b[2J",
        "12\x7f",
        "\r\n",
        "1\r\n2\r\n3",
        "\xC3(",     // a broken UTF-8 sequence
        "\xFF\xFE",  // bytes that are no UTF-8
        "%s%n%d",
        "'; DROP TABLE --",
        std::string(5000, ','),
        std::string(3000, '-') + "1",
    };
    return t;
}

}  // namespace

const std::string& megabyteOfDigits() {
    static const std::string text = [] {
        std::string s;
        s.reserve(1 << 20);
        while (s.size() < (1u << 20)) s += "1234567890";
        s.resize(1 << 20);
        return s;
    }();
    return text;
}

const std::vector<std::string>& hostileTexts() {
    static const std::vector<std::string> texts = makeHostile();
    return texts;
}

const std::vector<std::string>& plainTexts() {
    static const std::vector<std::string> texts(std::begin(Plain), std::end(Plain));
    return texts;
}

std::uint32_t seedFor(std::uint32_t seed, const std::string& form) {
    std::uint32_t h = 2166136261u;  // FNV-1a
    for (unsigned char ch : form) h = (h ^ ch) * 16777619u;
    return seed ^ h;
}

RandomUser::RandomUser(std::string form, std::uint32_t seed, Options options)
    : form_(std::move(form)), options_(options), rng_(seedFor(seed, form_)) {}

int RandomUser::pick(int n) {
    return n <= 1 ? 0 : static_cast<int>(rng_() % static_cast<unsigned>(n));
}

std::string RandomUser::someText() {
    const int r = pick(6);
    if (r < 2)
        return plainTexts()[static_cast<std::size_t>(pick(static_cast<int>(plainTexts().size())))];
    if (r < 5) {
        std::string s;
        for (int i = pick(12); i >= 0; --i) s += Keys[pick(sizeof Keys / sizeof *Keys)];
        return s;
    }
    // A short hostile text: long ones are pasted, not typed.
    for (;;) {
        const std::string& t =
            hostileTexts()[static_cast<std::size_t>(pick(static_cast<int>(hostileTexts().size())))];
        if (t.size() <= 40) return t;
    }
}

Action RandomUser::textBoxAction(const Control& c, Action a) {
    static const int Named[] = {Key::Backspace, Key::Backspace, Key::Backspace, Key::Delete,
                                Key::Enter,     Key::Enter,     Key::Tab,       Key::Tab,
                                ShiftTab,       Key::Escape,    Key::Left,      Key::Right,
                                Key::Up,        Key::Down,      Key::Home,      Key::End};
    const int r = pick(100);
    if (r < 28) {
        a.act = Act::Type;
        a.text = someText();
    } else if (r < 38) {
        a.act = Act::Retype;
        a.text = someText();
    } else if (r < 44) {
        a.act = Act::Paste;
        const auto& hostile = hostileTexts();
        do {
            a.text =
                chance(3)
                    ? someText()
                    : hostile[static_cast<std::size_t>(pick(static_cast<int>(hostile.size())))];
            // The megabyte: rarely, and more often in a box that holds lines.
        } while (a.text.size() > 100000 && (!options_.longTexts || !chance(c.multiLine ? 3 : 12)));
    } else if (r < 80 || !options_.heldKeys) {
        a.act = Act::Key;
        a.code = Named[pick(sizeof Named / sizeof *Named)];
    } else if (r < 86) {
        a.act = Act::HeldKey;
        a.value = 2 + pick(24);
        static const int Held[] = {Key::Backspace, Key::Delete, Key::Left, Key::Right};
        if (chance(2))
            a.text = Keys[pick(10)];
        else
            a.code = Held[pick(4)];
    } else if (r < 94) {
        a.act = Act::Click;
    } else {
        a.act = Act::Hover;
    }
    return a;
}

Action RandomUser::next(const FormModel* f) {
    Action a;
    a.form = form_;
    if (!f || !f->isOpen() || chance(400)) {
        a.act = Act::Reopen;
        return a;
    }
    if (options_.pointClicks && chance(15)) {
        a.act = Act::ClickAt;
        a.x = pick(1000) / 1000.0;
        a.y = pick(1000) / 1000.0;
        return a;
    }
    std::vector<const Control*> candidates;
    for (const Control& c : f->controls()) {
        if (c.kind == Kind::Menu) {
            bool shown = true;
            for (const Control* m = &c; shown && m;
                 m = m->parentMenu.empty() || !f->has(m->parentMenu) ? nullptr
                                                                     : &f->c(m->parentMenu))
                shown = m->visible && m->enabled;
            if (shown) candidates.push_back(&c);
        } else if (f->reachable(c.key())) {
            candidates.push_back(&c);
        }
    }
    if (candidates.empty() || chance(30)) {
        a.act = Act::HoverWindow;
        return a;
    }
    const Control& c =
        *candidates[static_cast<std::size_t>(pick(static_cast<int>(candidates.size())))];
    a.key = c.key();
    switch (c.kind) {
        case Kind::TextBox: return textBoxAction(c, a);
        case Kind::ListBox:
            if (!c.items.empty() && !chance(4)) {
                a.act = Act::Select;
                a.value = pick(static_cast<int>(c.items.size()));
                a.text = c.items[static_cast<std::size_t>(a.value)];
            } else {
                a.act = Act::Key;
                a.code = chance(2) ? Key::Up : Key::Down;
            }
            break;
        case Kind::HScroll:
            if (chance(5)) {
                a.act = Act::Key;
                a.code = chance(2) ? Key::Left : Key::Right;
            } else {
                a.act = Act::Scroll;
                a.value = std::min(c.min, c.max) + pick(std::abs(c.max - c.min) + 1);
            }
            break;
        case Kind::Timer: a.act = Act::Tick; break;
        case Kind::Tab:
            a.act = Act::TabPage;
            a.value = c.tabs.empty() ? 0 : pick(static_cast<int>(c.tabs.size()));
            break;
        case Kind::Menu: {
            // A parent entry opens its submenu; choosing it does the same with the mouse.
            const bool parent =
                std::any_of(f->controls().begin(), f->controls().end(),
                            [&](const Control& x) { return x.parentMenu == a.key; });
            a.act = parent && chance(2) ? Act::Submenu : Act::Menu;
            break;
        }
        case Kind::Command:
        case Kind::Option:
        case Kind::CheckBox:
            if (chance(6)) {
                static const int Named[] = {Key::Enter, Key::Tab, ShiftTab, Key::Escape};
                a.act = Act::Key;
                a.code = Named[pick(4)];
                break;
            }
            [[fallthrough]];
        case Kind::Label:
        case Kind::Picture: a.act = chance(5) ? Act::Hover : Act::Click; break;
        default: a.act = Act::Hover; break;
    }
    return a;
}

// ---- Scenario lines ----

std::string scenarioLines(const Action& a) {
    const std::string k = a.form + "." + a.key;
    switch (a.act) {
        case Act::Type: return "type " + k + " " + quoted(a.text) + "\n";
        case Act::Retype: return "retype " + k + " " + quoted(a.text) + "\n";
        case Act::Paste:
            if (a.text == megabyteOfDigits())  // written out, not a megabyte on one line
                return "# a paste of 1 MB of digits (1234567890 repeated):\npaste " + k + " " +
                       quoted(a.text) + "\n";
            return "paste " + k + " " + quoted(a.text) + "\n";
        case Act::Key: return "key " + k + " " + keyName(a.code) + "\n";
        case Act::HeldKey:
            if (!a.text.empty()) {
                std::string typed;
                for (int i = 0; i < a.value; ++i) typed += a.text;
                return "# " + a.text + " held down\ntype " + k + " " + quoted(typed) + "\n";
            }
            return "# held down\nkey " + k + " " + keyName(a.code) + " " + std::to_string(a.value) +
                   "\n";
        case Act::Click: return "click " + k + "\n";
        case Act::ClickAt: {
            const std::string where = "# a click at " + std::to_string(a.x) + ", " +
                                      std::to_string(a.y) + " of " + a.form;
            return a.key.empty() ? where + ": nothing there\n" : where + "\nclick " + k + "\n";
        }
        case Act::Select: return "select " + k + " " + quoted(a.text) + "\n";
        case Act::Scroll: return "scroll " + k + " " + std::to_string(a.value) + "\n";
        case Act::TabPage: return "tabpage " + k + " " + std::to_string(a.value) + "\n";
        case Act::Menu: return "form " + a.form + "\nmenu " + a.key + "\n";
        case Act::Submenu: return "form " + a.form + "\nsubmenu " + a.key + "\n";
        case Act::Hover: return "hover " + k + "\n";
        case Act::HoverWindow: return "hover " + a.form + "\n";
        case Act::Tick: return "tick " + k + "\n";
        case Act::Reopen: return "close " + a.form + "\nopen " + a.form + "\n";
    }
    return {};
}

std::string scenario(const std::string& form, const std::vector<Action>& actions,
                     const std::string& comment) {
    std::string out;
    for (std::size_t at = 0; at < comment.size();) {
        const std::size_t end = std::min(comment.find('\n', at), comment.size());
        out += "# " + comment.substr(at, end - at) + "\n";
        at = end + 1;
    }
    out += "open " + form + "\n";
    for (const Action& a : actions) out += scenarioLines(a);
    return out;
}

// ---- Carrying out ----

bool perform(ReplayDriver& d, const Action& a) {
    Application& app = d.app();
    if (a.act == Act::Reopen) {
        if (d.isOpen(a.form)) d.close(a.form);
        if (!d.isOpen(a.form)) d.open(a.form);
        return true;
    }
    if (a.act == Act::ClickAt || !d.isOpen(a.form) || !app.isOpen(a.form)) return false;
    FormModel& f = app.model(a.form);
    try {
        if (a.act == Act::HoverWindow) {
            d.hoverWindow(f);
            return true;
        }
        if (!f.has(a.key)) return false;
        if (a.act == Act::Menu || a.act == Act::Submenu) {
            a.act == Act::Menu ? d.menu(f, a.key) : d.submenu(f, a.key);
            return true;
        }
        if (a.act == Act::Hover) {
            d.hover(f, a.key);
            return true;
        }
        if (a.act == Act::Tick) {
            d.tick(f, a.key);
            return true;
        }
        if (!d.reachable(f, a.key)) return false;
        switch (a.act) {
            case Act::Type:
            case Act::Retype: d.type(f, a.key, a.text, a.act == Act::Retype); break;
            case Act::Paste: d.paste(f, a.key, a.text); break;
            case Act::Key: d.key(f, a.key, a.code); break;
            case Act::HeldKey:
                if (!a.text.empty()) {
                    std::string typed;
                    for (int i = 0; i < a.value; ++i) typed += a.text;
                    d.type(f, a.key, typed, false);
                } else {
                    for (int i = 0; i < a.value && f.isOpen(); ++i) d.key(f, a.key, a.code);
                }
                break;
            case Act::Click: d.click(f, a.key); break;
            case Act::Select: {
                const auto items = d.shown(f, a.key).items;
                if (a.value >= static_cast<int>(items.size())) return false;
                d.select(f, a.key, a.value);
                break;
            }
            case Act::Scroll: d.scroll(f, a.key, a.value); break;
            case Act::TabPage:
                if (a.value >= static_cast<int>(f.c(a.key).tabs.size())) return false;
                d.tabPage(f, a.key, a.value);
                break;
            default: return false;
        }
    } catch (const ScriptError&) {
        return false;  // the driver could not do it as a user would: no longer applies
    }
    return true;
}

// ---- Checks ----

bool showsInfOrNaN(const std::string& text) {
    auto letter = [](char ch) { return std::isalpha(static_cast<unsigned char>(ch)) != 0; };
    std::string lower(text.size(), ' ');
    std::transform(text.begin(), text.end(), lower.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    for (const std::string w : {"inf", "infinity", "nan", "#ind"}) {
        for (auto at = lower.find(w); at != std::string::npos; at = lower.find(w, at + 1)) {
            const bool before = at == 0 || !letter(lower[at - 1]);
            const bool after = at + w.size() == lower.size() || !letter(lower[at + w.size()]);
            if (before && after) return true;
        }
    }
    return false;
}

std::string problem(ReplayDriver& d) {
    for (FormModel* f : d.app().openForms()) {
        if (!d.isOpen(f->name())) continue;
        for (const Control& c : f->controls()) {
            if (c.kind == Kind::Timer) continue;
            const Control shown = d.shown(*f, c.key());
            if (showsInfOrNaN(shown.text))
                return f->name() + "." + c.key() + " shows " + quoted(shown.text.substr(0, 200));
            for (const auto& item : shown.items)
                if (showsInfOrNaN(item))
                    return f->name() + "." + c.key() + " lists " + quoted(item);
            for (const auto& [address, text] : shown.cells)
                if (showsInfOrNaN(text))
                    return f->name() + "." + c.key() + " " + address + " shows " + quoted(text);
        }
        const std::string title = d.window(*f).title;
        if (showsInfOrNaN(title)) return f->name() + " title " + quoted(title);
    }
    for (const auto& m : d.recording().messages) {
        if (showsInfOrNaN(m.text)) return "message " + quoted(m.text);
        if (m.text.rfind("Programmfehler", 0) == 0) return "program fault " + quoted(m.text);
    }
    return {};
}

// ---- Shortening ----

std::vector<Action> shorten(std::vector<Action> actions,
                            const std::function<bool(const std::vector<Action>&)>& fails,
                            int budget) {
    std::size_t chunk = std::max<std::size_t>(1, actions.size() / 2);
    for (;;) {
        bool removed = false;
        for (std::size_t at = 0; at < actions.size() && budget > 0;) {
            std::vector<Action> trial;
            trial.reserve(actions.size());
            trial.insert(trial.end(), actions.begin(), actions.begin() + static_cast<long>(at));
            const std::size_t end = std::min(actions.size(), at + chunk);
            trial.insert(trial.end(), actions.begin() + static_cast<long>(end), actions.end());
            --budget;
            if (fails(trial)) {
                actions = std::move(trial);
                removed = true;
            } else {
                at = end;
            }
        }
        if (budget <= 0 || (chunk == 1 && !removed)) return actions;
        if (!removed) chunk = std::max<std::size_t>(1, chunk / 2);
    }
}

std::string testName(const std::string& form) {
    std::string n;
    for (unsigned char ch : form) n += std::isalnum(ch) ? static_cast<char>(ch) : '_';
    return n;
}

int envInt(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::atoi(v) : fallback;
}

}  // namespace morvane::random_user
