// What the system needs from the desktop: message boxes, the shell, the clipboard, the
// printer and today's date. The program implements it with Qt; the replay tool and the
// tests with a recorder.
#pragma once

#include <string>
#include <vector>

namespace morvane {

enum class MessageIcon { None, Error };

struct Date {
    int year = 2026, month = 12, day = 8;
};

struct PrintLine {
    double xCm = 0;  // from the left edge of the printable area
    double yCm = 0;  // from the top edge of the printable area
    std::string text;
    std::string fontName = "Arial";
    double fontSize = 10;
    bool bold = false;
};

struct PrintPage {
    std::string title;  // document name shown in the printer queue
    std::vector<PrintLine> lines;
};

class Platform {
public:
    virtual ~Platform() = default;
    // A modal message box with an OK button; returns when the user confirmed it.
    virtual void message(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    // Hands an address to the desktop's default handler; failures are ignored.
    virtual void shellOpen(const std::string& address) = 0;
    // Clears the clipboard and puts plain text on it.
    virtual void setClipboard(const std::string& text) = 0;
    // Prints one page on the default printer (or offers a PDF where there is none).
    virtual void print(const PrintPage& page) = 0;
    virtual Date today() = 0;
};

}  // namespace morvane
