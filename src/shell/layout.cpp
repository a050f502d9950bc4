#include "shell/layout.h"

#include "shell/form_model.h"

namespace morvane {

Control& Layout::place(const Control& model, const char* name, int index, int top) {
    Control& c = form_.add(model, name, index);
    c.top += top;
    return c;
}

Control& Layout::label(const Control& model, const char* text, const char* name, int index,
                       const char* array, int& next, int top) {
    Control& c = name ? place(model, name, index, top) : place(model, array, next++, top);
    c.text = text;
    return c;
}

Control& Layout::caption(const char* text, int top) {
    return label(style_.caption, text, nullptr, -1, style_.captionArray, style_.nextCaption, top);
}

Control& Layout::unit(const char* text, int top) {
    return label(style_.unit, text, nullptr, -1, style_.unitArray, style_.nextUnit, top);
}

Control& Layout::output(const char* name, int top) { return place(style_.output, name, -1, top); }

Control& Layout::input(const char* name, int top) { return place(style_.input, name, -1, top); }

Control& Layout::row(const Row& row) {
    std::string captionKey, unitKey;
    if (*row.caption) {
        Control& c = label(style_.caption, row.caption, row.captionName, row.captionIndex,
                           style_.captionArray, style_.nextCaption, row.top);
        if (row.captionWidth >= 0) c.width = row.captionWidth;
        if (row.rowHidden) c.visible = false;
        captionKey = c.key();
    } else if (row.captionName) {
        captionKey = controlKey(row.captionName, row.captionIndex);
    }
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
        Control& u = label(style_.unit, row.unit, row.unitName, row.unitIndex, style_.unitArray,
                           style_.nextUnit, row.top);
        if (row.rowHidden) u.visible = false;
        unitKey = u.key();
    } else if (row.unitName) {
        unitKey = controlKey(row.unitName, row.unitIndex);
    }
    if (row.record) form_.recordRow(captionKey, fieldKey, unitKey);
    // Declaring the unit may have moved the controls; the field is looked up again.
    return form_.mut(fieldKey);
}

void Layout::rows(std::initializer_list<Row> rows) {
    for (const Row& r : rows) row(r);
}

}  // namespace morvane
