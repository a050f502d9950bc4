// The calculation record of a window: what a user hands on to show how a result came about.
// The core makes it from the rows a window declares; the bindings print it, save it as PDF
// and put it on the clipboard.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/form_model.h"

namespace morvane {

struct RecordLine {
    std::string caption, value, unit;
};

struct CalculationRecord {
    std::string program;  // the program's name
    std::string title;    // the window's title
    std::string date;     // today in the German long form
    std::vector<RecordLine> lines;

    // The head lines, then one line per row: caption, tab, value, tab, unit; joined by "\n".
    std::string text() const;
};

// Whether the window has a calculation record (info and text windows have none).
bool hasRecord(const FormModel& form);

// The record of the window as it shows now, dated with the platform's today. Hidden fields
// (or fields in a hidden frame or on a page not shown) and empty fields are left out.
CalculationRecord makeRecord(FormModel& form);

// The caption, value and unit of a row as the window holds them, shown or not (the names
// a screen reader gives the field).
RecordLine describeRow(const FormModel& form, const RecordRow& row);

// A shown text as the record gives it: line breaks as one blank each, blanks at both ends
// removed.
std::string recordText(std::string_view shown);

// A file name without extension for the record: title and date (YYYY-MM-DD), without the
// characters file systems refuse, and not longer than a file system takes.
std::string recordFileName(const std::string& title, int year, int month, int day);

}  // namespace morvane
