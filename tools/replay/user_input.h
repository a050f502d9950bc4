// What a user's typing does to a form model, key by key, as a window would deliver it.
// Shared by the replay tool and the randomised tests.
#pragma once

#include <string>
#include <vector>

#include "shell/form_model.h"

namespace morvane {

// Shift+Tab as the scenarios name it (`key CTRL ShiftTab`): the focus goes back in tab order
// and the Tab's release arrives in the control it went to.
inline constexpr int ShiftTab = 0x10000 | Key::Tab;

// The keys of `key CTRL KEY` by their names ("Enter", "Backspace", ..., "ShiftTab"); 0 for
// a name that is none, "" for a code that has none.
int keyByName(const std::string& name);
std::string keyName(int code);

// Focuses the control, then for each character: key pressed (may be discarded), insertion
// at the caret (the end; with replace, the first kept character replaces the whole text),
// key released.
void typeText(FormModel& form, const std::string& key, const std::string& text, bool replace);

// Focuses the control and presses one key (Key::Enter, Key::Backspace, Key::Tab, ...).
// Tab moves the focus to the next control in tab order and raises key released there,
// ShiftTab to the one before.
void pressKey(FormModel& form, const std::string& key, int keyCode);

// The code points of a UTF-8 text, one string each (invalid bytes pass one by one).
std::vector<std::string> utf8Chars(const std::string& s);

}  // namespace morvane
