// The desktop of morvane-gui-replay: the program's own message boxes, shown for real and
// answered with a real Enter press on the box; shell calls, clipboard writes and printouts
// recorded instead of reaching the desktop; a fixed date.
#pragma once

#include <QPointer>
#include <string>
#include <vector>

#include "recording_platform.h"
#include "ui/qt_platform.h"

class QMessageBox;
class QWindow;

namespace morvane::gui {

class WindowPlatform : public ui::QtPlatform, public Recording {
public:
    // Shows the box through the program's platform; the box is read (title, text, icon)
    // and answered with Enter as soon as it is up, and the reaction goes on.
    void message(const std::string& text, const std::string& title, MessageIcon icon) override;
    void shellOpen(const std::string& address) override { shell.push_back(address); }
    void setClipboard(const std::string& text) override { clipboard = text; }
    void print(const PrintPage& page) override { printouts.push_back(page); }
    Date today() override { return date; }

    // The release of the Enter that answered a box comes after the reaction went on, to
    // whichever window has the keyboard then. Call after every input event.
    void releaseAnsweringKey();
    // The oldest box that could not be answered as a user would ("" when none is left):
    // it was closed without a key.
    std::string takeFault();

private:
    void answer(int attempt);
    void closed(const QPointer<QMessageBox>& box, int attempt);

    bool releasePending_ = false;
    std::vector<std::string> faults_;
};

}  // namespace morvane::gui
