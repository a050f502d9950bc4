#include "ui/key_owner.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

namespace morvane::ui {

namespace {
QPointer<KeyOwner> installed;

// The physical key: press and release of one key carry the same scan code, while their Qt
// key codes may differ (Shift released before the digit). Synthetic events have none.
int idOf(const QKeyEvent& e) {
    const quint32 scan = e.nativeScanCode();
    return scan != 0 ? static_cast<int>(scan & 0x3FFFFFFF) : (0x40000000 | (e.key() & 0x3FFFFFFF));
}
}  // namespace

void KeyOwner::install() {
    if (installed || !qApp) return;
    installed = new KeyOwner(qApp);
    qApp->installEventFilter(installed);
}

void KeyOwner::disown(int qtKey) {
    install();
    if (!installed) return;
    bool found = false;
    for (Down& d : installed->down_) {
        if (d.qtKey != qtKey) continue;
        d.owned = false;
        d.release = nullptr;
        found = true;
    }
    if (!found) {
        Down d;
        d.id = 0x40000000 | (qtKey & 0x3FFFFFFF);
        d.qtKey = qtKey;
        installed->down_.push_back(d);
    }
}

KeyOwner::Down* KeyOwner::find(int id) {
    for (Down& d : down_)
        if (d.id == id) return &d;
    return nullptr;
}

bool KeyOwner::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type t = event->type();
    if ((t != QEvent::KeyPress && t != QEvent::KeyRelease && t != QEvent::InputMethod) ||
        !watched->isWidgetType())
        return false;
    auto* receiver = static_cast<QWidget*>(watched);
    if (t == QEvent::InputMethod) {
        if (!static_cast<QInputMethodEvent*>(event)->commitString().isEmpty())
            composedIn_ = receiver->window();
        return false;
    }
    return keyEvent(receiver, static_cast<QKeyEvent*>(event));
}

// Returns true where the event is dropped. An event travels from the focus widget up to its
// parents, all in one window, and is seen here at each of them: the decision stays the same.
bool KeyOwner::keyEvent(QWidget* receiver, QKeyEvent* e) {
    QWidget* window = receiver->window();
    const int id = idOf(*e);
    Down* d = find(id);
    const bool ownedHere = d && d->owned && d->window == window;
    if (e->type() == QEvent::KeyPress) {
        if (e->isAutoRepeat()) return !ownedHere;
        if (d && !d->down && d->releasedAt != 0 && d->releasedAt == e->timestamp() &&
            e->nativeScanCode() != 0) {
            // The key never came up: a repeat, which belongs where its release went.
            d->down = true;
            d->releasedAt = 0;
            if (!d->releaseDelivered || d->windowId != window) return true;
            d->owned = true;
            return false;
        }
        // A press older than the last press of the key is an earlier press on its way to
        // the parents after a modal box took the key in between. It changes nothing.
        // Without timestamps: a key cannot go down twice without coming up, so a press of a
        // key still down in another window is such a press. With them, a newer press is
        // the user's, whose last release was lost (it came while a window was opening).
        if (d && d->down &&
            (e->timestamp() == 0 || e->timestamp() == d->pressedAt ? d->windowId != window
                                                                   : e->timestamp() < d->pressedAt))
            return false;
        if (!d) d = &down_.emplace_back();
        d->id = id;
        d->qtKey = e->key();
        d->window = window;
        d->windowId = window;
        d->owned = true;
        d->down = true;
        d->release = nullptr;
        d->pressedAt = e->timestamp();
        composedIn_ = nullptr;
        return false;
    }
    if (e->isAutoRepeat()) return !ownedHere;
    if (d && d->release == e) return false;  // on its way to the parents
    if (d) {
        d->down = false;
        d->releasedAt = e->timestamp();
        d->releaseDelivered = ownedHere;
    }
    if (ownedHere) {
        d->owned = false;
        d->release = e;
        return false;
    }
    if (composedIn_ && composedIn_ == window) {
        composedIn_ = nullptr;
        return false;
    }
    return true;
}

}  // namespace morvane::ui
