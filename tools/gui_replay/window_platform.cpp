#include "window_platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "ui/look.h"

namespace morvane::gui {

namespace {
// How long a box may take to come up before it is closed without a key (it never should).
constexpr int AnswerAttempts = 400;
constexpr int AnswerPollMs = 5;

QWindow* keyboardWindow() {
    if (QWindow* w = QGuiApplication::focusWindow()) return w;
    QWidget* a = QApplication::activeWindow();
    return a ? a->windowHandle() : nullptr;
}
}  // namespace

void WindowPlatform::message(const std::string& text, const std::string& title, MessageIcon icon) {
    QTimer::singleShot(0, this, [this] { answer(0); });
    QtPlatform::message(text, title, icon);
}

void WindowPlatform::answer(int attempt) {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || !box->windowHandle()) {
        if (attempt < AnswerAttempts) {
            QTimer::singleShot(AnswerPollMs, this, [this, attempt] { answer(attempt + 1); });
        } else if (box) {
            faults_.push_back("a message box was not shown in time");
            box->done(0);
        }
        return;
    }
    messages.push_back(
        {ui::fromDisplay(box->text()), ui::ss(box->windowTitle()),
         box->icon() == QMessageBox::Critical ? MessageIcon::Error : MessageIcon::None});
    releaseAnsweringKey();  // a box that follows a box: the first Enter is let go first
    QTest::simulateEvent(box->windowHandle(), true, Qt::Key_Return, Qt::NoModifier,
                         QStringLiteral("\r"), false);
    releasePending_ = true;
    QTimer::singleShot(0, this, [this, shown = QPointer<QMessageBox>(box)] { closed(shown, 0); });
}

// Enter closes the box; one that stays is closed without a key, so that nothing hangs.
void WindowPlatform::closed(const QPointer<QMessageBox>& box, int attempt) {
    if (!box || !box->isVisible()) return;
    if (attempt < AnswerAttempts) {
        QTimer::singleShot(AnswerPollMs, this, [this, box, attempt] { closed(box, attempt + 1); });
        return;
    }
    faults_.push_back("the message box \"" + ui::ss(box->windowTitle()) +
                      "\" did not close on Enter");
    box->done(0);
}

std::string WindowPlatform::takeFault() {
    if (faults_.empty()) return {};
    std::string f = faults_.front();
    faults_.erase(faults_.begin());
    return f;
}

void WindowPlatform::releaseAnsweringKey() {
    if (!releasePending_) return;
    releasePending_ = false;
    if (QWindow* w = keyboardWindow())
        QTest::simulateEvent(w, false, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), false);
}

}  // namespace morvane::gui
