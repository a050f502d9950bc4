#include "ui/outside_quit.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <string>
#include <vector>

#include "shell/application.h"
#include "ui/modal_dialogs.h"

namespace morvane::ui {

namespace {
constexpr int Signals[] = {SIGTERM, SIGINT, SIGHUP};
// The signal handler only writes to this pipe; the event loop reads it.
int wakePipe[2] = {-1, -1};

extern "C" void onQuitSignal(int) {
    const int saved = errno;
    const char byte = 1;
    if (::write(wakePipe[1], &byte, 1) < 0) {
        // The pipe is full: a quit is already on its way.
    }
    errno = saved;
}

void handleSignals(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : Signals) sigaction(s, &action, nullptr);
}
}  // namespace

OutsideQuit::OutsideQuit(Application& app) : app_(app) {
    if (wakePipe[0] < 0 && ::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) wakePipe[0] = -1;
    if (wakePipe[0] >= 0) {
        notifier_ = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &OutsideQuit::signalled);
        handleSignals(onQuitSignal);
    }
    qApp->installEventFilter(this);
}

OutsideQuit::~OutsideQuit() {
    if (qApp) qApp->removeEventFilter(this);
    if (notifier_) handleSignals(SIG_DFL);
}

void OutsideQuit::signalled() {
    char bytes[16];
    while (::read(wakePipe[0], bytes, sizeof bytes) > 0) {
    }
    // A second signal ends the program at once, should the orderly end ever stall.
    handleSignals(SIG_DFL);
    quit();
}

bool OutsideQuit::eventFilter(QObject* watched, QEvent* event) {
    // The session manager's quit, or any other quit while windows are still open, takes the
    // same orderly way; the quit that follows the last window passes.
    if (event->type() == QEvent::Quit && watched == qApp && !app_.ended()) {
        quit();
        return true;
    }
    return false;
}

void OutsideQuit::quit() {
    if (quitting_) return;
    quitting_ = true;
    ModalDialogs::endAll();
    ModalDialogs::whenNoneRunning(this, [this] { closeAll(); });
}

void OutsideQuit::closeAll() {
    // Front first, as a user would close them; a window that closes others is closed too.
    std::vector<std::string> names;
    for (FormModel* f : app_.openForms()) names.push_back(f->name());
    std::reverse(names.begin(), names.end());
    for (const std::string& name : names) app_.close(name);
    // Whatever a closing window left open, the program ends now.
    if (!app_.ended()) QCoreApplication::exit(0);
}

}  // namespace morvane::ui
