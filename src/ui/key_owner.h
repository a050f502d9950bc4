// Which window a key held down belongs to. A key belongs to the window that received its
// press; its auto-repeated presses and its release reach that window only. So the Return
// that chose a menu entry, the Enter that closed a message box, or a key pressed in another
// window never arrives in a field as a key press or a key released event.
#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class QEvent;
class QKeyEvent;
class QWidget;

namespace morvane::ui {

class KeyOwner : public QObject {
    Q_OBJECT
public:
    // Watches every key event of the application from now on; once per application.
    static void install();
    // The key (a Qt key code) now held belongs to no window: its repeats and its release
    // are dropped, as if it had been pressed in a window that has gone.
    static void disown(int qtKey);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Down {
        int id = 0;     // the keyboard's scan code, or the Qt key code where there is none
        int qtKey = 0;  // the Qt key code of the press
        QPointer<QWidget> window;
        const QWidget* windowId = nullptr;  // the window's address, kept when it has gone
        bool owned = false;
        bool down = false;                // pressed, and its release not seen yet
        const QEvent* release = nullptr;  // the release being delivered to the owner
        quint64 pressedAt = 0;            // the timestamp of the press
        // The last release, and whether it reached its owner. An X server may repeat a held
        // key as a release and a press with one timestamp, not marked as repeats.
        quint64 releasedAt = 0;
        bool releaseDelivered = false;
    };

    explicit KeyOwner(QObject* parent) : QObject(parent) {}
    Down* find(int id);
    bool keyEvent(QWidget* receiver, QKeyEvent* event);

    std::vector<Down> down_;
    // A text committed by the input method (a dead key and its letter) comes without a key
    // press; the release of its last key belongs to the window that received the text.
    QPointer<QWidget> composedIn_;
};

}  // namespace morvane::ui
