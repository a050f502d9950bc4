// A platform that records what the system shows and hands out, for the replay tool and
// the tests. Message boxes are confirmed at once.
#pragma once

#include <string>
#include <vector>

#include "shell/platform.h"

namespace morvane {

struct RecordedMessage {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;
};

// What a run showed and handed out, in order, for the checks; and the date it was given.
struct Recording {
    std::vector<RecordedMessage> messages;
    std::vector<std::string> shell;
    std::string clipboard;
    std::vector<PrintPage> printouts;
    Date date;
};

class RecordingPlatform : public Platform, public Recording {
public:
    void message(const std::string& text, const std::string& title, MessageIcon icon) override {
        messages.push_back({text, title, icon});
    }
    void shellOpen(const std::string& address) override { shell.push_back(address); }
    void setClipboard(const std::string& text) override { clipboard = text; }
    void print(const PrintPage& page) override { printouts.push_back(page); }
    Date today() override { return date; }
};

}  // namespace morvane
