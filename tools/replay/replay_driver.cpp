#include "replay_driver.h"

#include "shell/record.h"
#include "user_input.h"

namespace morvane {

void ReplayDriver::type(FormModel& f, const std::string& key, const std::string& text,
                        bool replace) {
    typeText(f, key, text, replace);
}

std::vector<std::string> menuPath(FormModel& owner, const std::string& key) {
    std::vector<std::string> path{key};
    while (!owner.c(path.front()).parentMenu.empty())
        path.insert(path.begin(), owner.c(path.front()).parentMenu);
    return path;
}

bool reachablePoint(int width, int height, int& x, int& y,
                    const std::function<bool(int, int)>& reaches) {
    if (reaches(x, y)) return true;
    for (int row = 1; row < 8; ++row)
        for (int col = 1; col < 8; ++col)
            if (reaches(width * col / 8, height * row / 8)) {
                x = width * col / 8, y = height * row / 8;
                return true;
            }
    return false;
}

ScriptError outsideItsWindow(const std::string& control) {
    return ScriptError("control " + control + " lies outside the part of its window shown");
}

ScriptError coveredBy(const std::string& control, const std::string& over) {
    return ScriptError("control " + control + " is covered by " +
                       (over.empty() ? std::string("nothing that can be clicked") : over));
}

void moveMouseOnto(const std::string& control, const std::function<bool()>& lands,
                   const std::function<void()>& move) {
    const bool before = lands();
    move();
    if (before && !lands())
        throw ScriptError("control " + control +
                          " is gone from under the mouse when the mouse reaches it");
}

ShownWindow shownFromClient(std::string title, int clientWidth, int clientHeight, bool menuBar) {
    return {std::move(title), clientWidth + FrameWidthTwips,
            clientHeight + FrameHeightTwips + (menuBar ? MenuBarTwips : 0)};
}

std::string ReplayDriver::record(FormModel& f) { return makeRecord(f).text(); }

void ReplayDriver::key(FormModel& f, const std::string& key, int code) { pressKey(f, key, code); }

void ReplayDriver::keyUp(FormModel& f, const std::string& key, int code) {
    f.setFocus(key);
    f.keyUp(key, code);
}

void ReplayDriver::paste(FormModel& f, const std::string& key, const std::string& text) {
    f.userFocus(key);
    if (!f.c(key).readOnly) f.userEdit(key, text);
}

}  // namespace morvane
