#include "shell/layout.h"

#include "shell/form_model.h"

namespace morvane {

Control& Layout::place(const Control& model, const char* name, int index, int top) {
    Control& c = form_.add(model, name, index);
    c.top += top;
    return c;
}

int Layout::next(const char* array) const {
    // The lowest element not declared yet: the labels that a window names itself may stand
    // between the ones the layout numbers.
    for (int index = 0;; ++index)
        if (!form_.has(controlKey(array, index))) return index;
}

Control& Layout::label(const Control& model, const char* text, const char* name, int index,
                       const char* array, int top) {
    Control& c = name ? place(model, name, index, top) : place(model, array, next(array), top);
    c.text = text;
    return c;
}

Control& Layout::caption(const char* text, int top) {
    Control& c = label(style_.caption, text, nullptr, -1, style_.captionArray, top);
    lastCaption_ = c.key();
    return c;
}

Control& Layout::unit(const char* text, int top) {
    Control& c = label(style_.unit, text, nullptr, -1, style_.unitArray, top);
    lastUnit_ = c.key();
    return c;
}

Control& Layout::label(const char* text, int left, int top, int width, int height) {
    Control& c = label(style_.label, text, nullptr, -1, style_.captionArray, 0);
    c.left = left, c.top = top, c.width = width;
    if (height >= 0) c.height = height;
    return c;
}

Control& Layout::label(int index, const char* text, int left, int top, int width, int height) {
    Control& c = label(style_.label, text, style_.captionArray, index, style_.captionArray, 0);
    c.left = left, c.top = top, c.width = width;
    if (height >= 0) c.height = height;
    return c;
}

Control& Layout::label(const char* name, int index, const char* text, int left, int top, int width,
                       int height) {
    Control& c = label(style_.label, text, name, index, style_.captionArray, 0);
    c.left = left, c.top = top, c.width = width;
    if (height >= 0) c.height = height;
    return c;
}

Control& Layout::input(const char* name, int left, int top, int width, int height) {
    Control& c = place(style_.input, name, -1, top);
    c.left = left;
    if (width >= 0) c.width = width;
    if (height >= 0) c.height = height;
    return c;
}

Control& Layout::output(const char* name, int left, int top, int width, int height) {
    Control& c = place(style_.output, name, -1, top);
    c.left = left;
    if (width >= 0) c.width = width;
    if (height >= 0) c.height = height;
    return c;
}

Control& Layout::unit(int index, const char* text, int left, int top) {
    Control& c = label(style_.unit, text, style_.unitArray, index, style_.unitArray, top);
    c.left = left;
    lastUnit_ = c.key();
    return c;
}

Control& Layout::output(const char* name, int top) { return place(style_.output, name, -1, top); }

Control& Layout::input(const char* name, int top) { return place(style_.input, name, -1, top); }

Control& Layout::row(const Row& row) {
    lastCaption_.clear(), lastUnit_.clear();
    if (*row.caption) {
        Control& c = label(style_.caption, row.caption, row.captionName, row.captionIndex,
                           style_.captionArray, row.top);
        if (row.captionWidth >= 0) c.width = row.captionWidth;
        if (row.captionTop >= 0) c.top = row.captionTop;
        if (row.captionHeight >= 0) c.height = row.captionHeight;
        if (*row.captionTip) c.toolTip = row.captionTip;
        if (row.captionBold) c.bold = true;
        if (row.rowHidden) c.visible = false;
        lastCaption_ = c.key();
    } else if (row.captionName) {
        lastCaption_ = controlKey(row.captionName, row.captionIndex);
    }
    if (*row.symbol) label(style_.symbol, row.symbol, nullptr, -1, style_.captionArray, row.top);
    Control& field =
        place(row.as == Field::Input ? style_.input : style_.output, row.field, -1, row.top);
    field.text = row.text;
    if (row.tab >= 0) field.tabIndex = row.tab;
    if (row.left >= 0) field.left = row.left;
    if (row.width >= 0) field.width = row.width;
    if (*row.tip) field.toolTip = row.tip;
    if (row.hidden || row.rowHidden) field.visible = false;
    if (row.disabled) field.enabled = false;
    const std::string fieldKey = field.key();
    if (*row.unit) {
        Control& u =
            label(style_.unit, row.unit, row.unitName, row.unitIndex, style_.unitArray, row.top);
        if (*row.unitTip) u.toolTip = row.unitTip;
        if (row.unitLeft >= 0) u.left = row.unitLeft;
        if (row.unitWidth >= 0) u.width = row.unitWidth;
        if (row.rowHidden) u.visible = false;
        lastUnit_ = u.key();
    } else if (row.unitName) {
        lastUnit_ = controlKey(row.unitName, row.unitIndex);
    }
    if (row.record) form_.recordRow(lastCaption_, fieldKey, lastUnit_);
    // Declaring the unit may have moved the controls; the field is looked up again.
    return form_.mut(fieldKey);
}

void Layout::rows(std::initializer_list<Row> rows) {
    for (const Row& r : rows) row(r);
}

}  // namespace morvane
