#include "user_input.h"

#include <algorithm>
#include <utility>

namespace morvane {

std::vector<std::string> utf8Chars(const std::string& s) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t n = b < 0x80         ? 1
                        : (b >> 5) == 6  ? 2
                        : (b >> 4) == 14 ? 3
                        : (b >> 3) == 30 ? 4
                                         : 1;
        if (i + n > s.size()) n = 1;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

namespace {

const std::pair<const char*, int> NamedKeys[] = {
    {"Enter", Key::Enter}, {"Backspace", Key::Backspace}, {"Delete", Key::Delete},
    {"Tab", Key::Tab},     {"ShiftTab", ShiftTab},        {"Escape", Key::Escape},
    {"Left", Key::Left},   {"Right", Key::Right},         {"Up", Key::Up},
    {"Down", Key::Down},   {"Home", Key::Home},           {"End", Key::End},
    {"Shift", Key::Shift},
};

}  // namespace

int keyByName(const std::string& name) {
    for (const auto& [n, code] : NamedKeys)
        if (name == n) return code;
    return 0;
}

std::string keyName(int code) {
    for (const auto& [n, c] : NamedKeys)
        if (c == code) return n;
    return {};
}

namespace {

int codePoint(const std::string& ch) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(ch[i]); };
    if (ch.size() == 1) return b(0);
    if (ch.size() == 2) return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
    if (ch.size() == 3) return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
    return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
}

std::string utf8(int cp) {
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

// The key code a key released event reports for a typed character.
int keyCodeOf(int cp) {
    if (cp >= 'a' && cp <= 'z') return cp - 32;
    if ((cp >= 'A' && cp <= 'Z') || (cp >= '0' && cp <= '9') || cp == ' ') return cp;
    switch (cp) {
        case ',': return 188;
        case '.': return 190;
        case '-': return 189;
        case '+': return 187;
        case 13: return Key::Enter;
        default: return 0;
    }
}

bool editable(FormModel& f, const std::string& key) {
    return f.isOpen() && f.has(key) && !f.c(key).readOnly;
}

}  // namespace

void typeText(FormModel& f, const std::string& key, const std::string& text, bool replace) {
    f.userFocus(key);
    bool first = replace;
    for (const std::string& ch : utf8Chars(text)) {
        if (!f.isOpen()) return;
        const int cp = codePoint(ch);
        if (cp == 10) continue;  // a line feed comes with the carriage return
        const int kept = f.keyPress(key, cp);
        if (kept != 0 && editable(f, key)) {
            const std::string insert = kept == 13 ? (f.c(key).multiLine ? "\r\n" : "") : utf8(kept);
            if (!insert.empty()) {
                f.userEdit(key, first ? insert : f.text(key) + insert);
                first = false;
            }
        }
        if (f.isOpen()) f.keyUp(key, keyCodeOf(cp));
    }
}

void pressKey(FormModel& f, const std::string& key, int code) {
    f.userFocus(key);
    switch (code) {
        case Key::Tab:
        case ShiftTab: {
            const auto order = f.tabOrder();
            if (order.empty()) return;
            auto it = std::find(order.begin(), order.end(), key);
            std::string next;
            if (code == Key::Tab)
                next = (it == order.end() || it + 1 == order.end()) ? order.front() : *(it + 1);
            else
                next = (it == order.end() || it == order.begin()) ? order.back() : *(it - 1);
            f.setFocus(next);
            f.keyUp(next, Key::Tab);
            return;
        }
        case Key::Backspace: {
            const int kept = f.keyPress(key, 8);
            if (kept != 0 && editable(f, key) && !f.text(key).empty()) {
                const std::string& t = f.text(key);
                f.userEdit(key, t.substr(0, t.size() - utf8Chars(t).back().size()));
            }
            if (f.isOpen()) f.keyUp(key, code);
            return;
        }
        case Key::Enter: {
            const int kept = f.keyPress(key, 13);
            if (kept != 0 && editable(f, key) && f.c(key).multiLine)
                f.userEdit(key, f.text(key) + "\r\n");
            if (f.isOpen()) f.keyUp(key, code);
            return;
        }
        case Key::Escape:
            f.keyPress(key, 27);
            if (f.isOpen()) f.keyUp(key, code);
            return;
        default: f.keyUp(key, code);
    }
}

}  // namespace morvane
