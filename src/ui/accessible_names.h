// What a screen reader says about a window: every input and output is called by the caption
// beside it (or its frame's caption) and described by its unit, as the rows of the window's
// record pair them; caption labels point to their fields; output labels give their value as
// text; the window is a frame.
#pragma once

#include <QObject>

#include "shell/form_model.h"

namespace morvane::ui {

class FormWindow;

// The accessible roles of the program's windows and output labels. Installed once.
void installAccessibleRoles();

// Whether the widget's accessible name comes from a row of its window's record.
bool namedByRecord(const QWidget* widget);

// Keeps the names of a window's fields in step with the captions and units it shows.
class AccessibleNames : public QObject, public FormView {
public:
    explicit AccessibleNames(FormWindow& window);
    ~AccessibleNames() override;

    void controlChanged(const Control& control, Changes) override;
    void windowChanged() override {}
    void focusChanged(const std::string&) override {}

private:
    void name(const RecordRow& row);

    FormWindow& window_;
    // The model outlives the window: the destructor runs while the window is already gone.
    FormModel& model_;
    bool registered_ = false;
};

}  // namespace morvane::ui
