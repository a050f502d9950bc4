// A form-level variable that may be empty, a number or a text.
#pragma once

#include <string>
#include <variant>

#include "shell/checked.h"
#include "shell/number_text.h"

namespace morvane {

class Value {
public:
    Value() = default;
    Value(double v) : v_(v) {}       // NOLINT(google-explicit-constructor): assigned like a number
    Value(Num v) : v_(double(v)) {}  // NOLINT(google-explicit-constructor)
    Value(std::string s) : v_(std::move(s)) {}    // NOLINT(google-explicit-constructor)
    Value(const char* s) : v_(std::string(s)) {}  // NOLINT(google-explicit-constructor)

    bool isEmpty() const { return std::holds_alternative<std::monostate>(v_); }
    // Empty reads as 0; a text is read as a number (a text that is no number fails).
    Num number() const {
        if (const double* d = std::get_if<double>(&v_)) return *d;
        if (const std::string* s = std::get_if<std::string>(&v_)) return NumberText::read(*s);
        return 0;
    }
    // Empty reads as ""; a number as its plain text.
    std::string text() const {
        if (const double* d = std::get_if<double>(&v_)) return NumberText::plain(*d);
        if (const std::string* s = std::get_if<std::string>(&v_)) return *s;
        return {};
    }

private:
    std::variant<std::monostate, double, std::string> v_;
};

}  // namespace morvane
