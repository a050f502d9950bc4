// Results can be copied: output labels can be selected with the mouse and take the focus
// on a click (never by Tab, so the tab order stays as it is); they and read-only text boxes
// copy with Ctrl+C and offer a German context menu with "Kopieren" and "Alles auswählen".
// "Kopieren" with nothing selected copies the whole text. The copy goes to the clipboard.
#pragma once

#include <QString>

class QLabel;
class QMenu;
class QWidget;

namespace morvane::ui {

// An output label: its name starts with "lbl" (in any case), as the windows name their
// results; captions ("Label1") and link labels stay as they are.
bool isOutputLabel(const QString& name, bool link);

// Makes an output label selectable and copyable.
void makeCopyable(QLabel* label);
// Gives a text box the copy menu while it is read-only; an editable box keeps Qt's own.
void offerCopyMenu(QWidget* textBox);

// The copy menu of a label or a read-only text box (nullptr for other widgets), as the
// context menu shows it; the caller owns it.
QMenu* copyMenuFor(QWidget* widget);

}  // namespace morvane::ui
