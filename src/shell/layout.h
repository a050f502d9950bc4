// The rows that recur in the windows, declared as data: a caption, a field and a unit side
// by side (an input or an output row), laid out from the window's model pieces.
//
//     Layout lay(*this, {.caption = piece(Kind::Label).at(360, 0, 4995, 420).wrap(),
//                        .unit = piece(Kind::Label).at(7545, 30, 500, 255), ...});
//     lay.rows({{"Durchmesser", "d", "txtDurchmesser", "mm", 1800, Field::Input, 3},
//               {"Ausfluss", "Q", "lblAusfluss", "l/s", 2280, Field::Output}});
//
// Each piece of a row is a copy of its model, moved down by the row's top. A caption or a
// unit is the next element of the style's control array unless the row names its control;
// a name without a text is a label declared elsewhere (a heading over several rows), which
// the record names and the row does not declare.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "shell/control.h"

namespace morvane {

class FormModel;

enum class Field { Input, Output };

struct Row {
    const char* caption = "";  // the caption's text; "" = none
    const char* symbol = "";   // the formula symbol between caption and field; "" = none
    const char* field = "";    // the field's control name
    const char* unit = "";     // the unit's text; "" = none
    int top = 0;
    Field as = Field::Input;
    int tab = -1;               // the field's place in the tab order
    const char* text = "";      // the field's design text
    int left = -1, width = -1;  // the field's, where they differ from its model
    int captionWidth = -1;      // the caption's, where they differ from its model
    int captionTop = -1, captionHeight = -1;
    const char* captionTip = "";
    bool captionBold = false;
    const char* tip = "";  // the field's tool tip
    const char* unitTip = "";
    int unitLeft = -1, unitWidth = -1;  // the unit's, where they differ from its model
    bool hidden = false;                // the field hidden
    bool rowHidden = false;             // every piece of the row hidden
    bool disabled = false;              // the field disabled
    bool record = true;                 // the row is a row of the calculation record
    const char* captionName = nullptr;  // the caption's control, where it is not the next
    int captionIndex = -1;              // element of the style's array
    const char* unitName = nullptr;     // the same for the unit
    int unitIndex = -1;
};

// A window's model pieces. Their tops are relative to the row's top. The label is the model
// of the free labels (headings, notes) of the caption array.
struct RowStyle {
    Control caption = {}, input = {}, output = {}, unit = {}, symbol = {}, label = {};
    const char* captionArray = "";  // control array of the captions (and symbols)
    const char* unitArray = "";     // control array of the units
};

class Layout {
public:
    Layout(FormModel& form, RowStyle style) : form_(form), style_(std::move(style)) {}

    // Declares the row's pieces in reading order (caption, symbol, field, unit) and, unless
    // the row says otherwise, its record row. Returns the field.
    Control& row(const Row& row);
    void rows(std::initializer_list<Row> rows);

    // A lone piece of a row at the given top: the next caption or unit, or a field.
    Control& caption(const char* text, int top);
    Control& unit(const char* text, int top);
    Control& output(const char* name, int top);
    Control& input(const char* name, int top);
    // A free label: the next element of the caption array at the given place, the label
    // model's height unless given.
    Control& label(const char* text, int left, int top, int width, int height = -1);
    // The same as the given element of the caption array.
    Control& label(int index, const char* text, int left, int top, int width, int height = -1);
    // The same as a control of its own (index -1: no array).
    Control& label(const char* name, int index, const char* text, int left, int top, int width,
                   int height = -1);
    // Pieces of a window whose fields stand in columns: a field at its place (the model's
    // width unless given), a unit as the given element of the unit array.
    Control& input(const char* name, int left, int top, int width = -1, int height = -1);
    Control& output(const char* name, int left, int top, int width = -1, int height = -1);
    Control& unit(int index, const char* text, int left, int top);
    // The keys of the caption and the unit declared last, for the record row of a second
    // field (a slider beside its field).
    const std::string& lastCaption() const { return lastCaption_; }
    const std::string& lastUnit() const { return lastUnit_; }

private:
    Control& label(const Control& model, const char* text, const char* name, int index,
                   const char* array, int top);
    Control& place(const Control& model, const char* name, int index, int top);
    int next(const char* array) const;

    FormModel& form_;
    RowStyle style_;
    std::string lastCaption_, lastUnit_;
};

}  // namespace morvane
