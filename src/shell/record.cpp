#include "shell/record.h"

#include <cstdio>

#include "shell/application.h"
#include "shell/number_text.h"

namespace morvane {

namespace {

// Whether the user sees the control: it and every container visible, and on a tab control
// on the page that is shown.
bool shown(const FormModel& form, const Control& control) {
    const Control* x = &control;
    for (int depth = 0; depth < 16; ++depth) {
        if (!x->visible) return false;
        if (x->container.empty() || !form.has(x->container)) return true;
        const Control& box = form.c(x->container);
        if (box.kind == Kind::Tab && x->page >= 0 && box.currentTab != x->page) return false;
        x = &box;
    }
    return true;
}

// Buttons, options and frames show "&x" as an underlined x and "&&" as "&".
std::string withoutMnemonic(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '&') {
            if (i + 1 < s.size() && s[i + 1] == '&') out += '&', ++i;
            continue;
        }
        out += s[i];
    }
    return out;
}

std::string captionOf(const Control& c) {
    switch (c.kind) {
        case Kind::Option:
        case Kind::CheckBox:
        case Kind::Command:
        case Kind::Frame: return withoutMnemonic(c.text);
        default: return c.text;
    }
}

// The text of a caption or unit control; "" where it is hidden and only shown texts count.
std::string captionText(const FormModel& form, const std::string& key, bool onlyShown) {
    if (key.empty() || !form.has(key)) return {};
    const Control& c = form.c(key);
    return !onlyShown || shown(form, c) ? recordText(captionOf(c)) : std::string();
}

// The caption of a row: its caption control's text, with the head of its column.
std::string rowCaption(const FormModel& form, const RecordRow& row, bool onlyShown) {
    std::string caption =
        row.caption.empty() ? row.text : captionText(form, row.caption, onlyShown);
    if (const std::string column = captionText(form, row.column, onlyShown); !column.empty())
        caption += caption.empty() ? column : ", " + column;
    return caption;
}

// The value a field shows: its text, the selected option of its group, the chosen item.
std::string shownValue(const FormModel& form, const Control& field) {
    switch (field.kind) {
        case Kind::Option:
            for (const Control& x : form.controls())
                if (x.kind == Kind::Option && x.container == field.container &&
                    x.page == field.page && x.selected && shown(form, x))
                    return captionOf(x);
            return {};
        case Kind::CheckBox: return field.selected ? captionOf(field) : std::string();
        case Kind::ListBox:
            if (field.listIndex < 0 || field.listIndex >= static_cast<int>(field.items.size()))
                return {};
            return field.items[static_cast<std::size_t>(field.listIndex)];
        case Kind::HScroll: return {};  // the window shows its value in a label beside it
        default: return field.text;
    }
}

}  // namespace

std::string recordText(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' || s[i] == '\n') {
            if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
            out += ' ';
        } else {
            out += s[i];
        }
    }
    const auto blank = [](char ch) { return ch == ' ' || ch == '\t'; };
    std::size_t b = 0, e = out.size();
    while (b < e && blank(out[b])) ++b;
    while (e > b && blank(out[e - 1])) --e;
    return out.substr(b, e - b);
}

std::string CalculationRecord::text() const {
    std::string out = program + "\n" + title + "\n" + date;
    for (const RecordLine& l : lines) out += "\n" + l.caption + "\t" + l.value + "\t" + l.unit;
    return out;
}

bool hasRecord(const FormModel& form) { return !form.recordRows().empty(); }

CalculationRecord makeRecord(FormModel& form) {
    CalculationRecord r;
    r.program = AppTitle;
    r.title = recordText(form.window().title);
    const Date d = form.platform().today();
    try {
        r.date = NumberText::longDate(d.year, d.month, d.day);
    } catch (const Failure&) {
        r.date.clear();  // a clock that gives no valid day leaves the date line empty
    }
    for (const RecordRow& row : form.recordRows()) {
        if (!form.has(row.field)) continue;
        const Control& field = form.c(row.field);
        if (!shown(form, field)) continue;
        std::string value = recordText(shownValue(form, field));
        if (value.empty()) continue;
        r.lines.push_back(
            {rowCaption(form, row, true), std::move(value), captionText(form, row.unit, true)});
    }
    return r;
}

RecordLine describeRow(const FormModel& form, const RecordRow& row) {
    std::string value;
    if (form.has(row.field)) value = recordText(shownValue(form, form.c(row.field)));
    return {rowCaption(form, row, false), std::move(value), captionText(form, row.unit, false)};
}

std::string recordFileName(const std::string& title, int year, int month, int day) {
    std::string name;
    for (unsigned char ch : recordText(title)) {
        if (ch < 32 ||
            std::string_view("/\\:*?\"<>|").find(static_cast<char>(ch)) != std::string_view::npos)
            name += '-';
        else
            name += static_cast<char>(ch);
    }
    // 255 bytes is the usual limit of a name; leave room for the date and the extension,
    // and never cut a UTF-8 character in half.
    constexpr std::size_t MaxTitle = 180;
    if (name.size() > MaxTitle) {
        std::size_t cut = MaxTitle;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
        name.resize(cut);
    }
    // Windows refuses names that end in a dot or a blank.
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    if (name.empty()) name = "Berechnung";
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
    return name + " " + date;
}

}  // namespace morvane
