#include "replay_driver.h"

#include "shell/record.h"
#include "user_input.h"

namespace morvane {

void ReplayDriver::type(FormModel& f, const std::string& key, const std::string& text,
                        bool replace) {
    typeText(f, key, text, replace);
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
