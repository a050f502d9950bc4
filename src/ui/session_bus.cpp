#include "ui/session_bus.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QAccessible>
#include <QByteArray>
#include <QCoreApplication>

namespace morvane::ui {

namespace {
constexpr const char* BusAddress = "DBUS_SESSION_BUS_ADDRESS";
bool barred = false;

// Where the bus library finds a session bus without starting one: the address in the
// environment, or the user's bus socket in the runtime directory.
bool sessionBusRuns() {
    if (!qEnvironmentVariableIsEmpty(BusAddress)) return true;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.isEmpty()) return false;
    struct stat st {};
    const QByteArray socket = runtime + "/bus";
    return ::stat(socket.constData(), &st) == 0 && S_ISSOCK(st.st_mode) && st.st_uid == ::getuid();
}
}  // namespace

void prepareSessionBus() {
    // The windows are laid out with their menu bar inside; a global menu bar would also be
    // looked up on the session bus.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    if (sessionBusRuns()) return;
    // An address of no known kind: connecting fails at once, and nothing is started.
    qputenv(BusAddress, "disabled:");
    barred = true;
}

void settleSessionBus() {
    if (!barred) return;
    // The accessibility bridge asks for the session bus when it is made, once; it is made now,
    // while the address still bars the start of a bus.
    QAccessible::isActive();
    qunsetenv(BusAddress);
    barred = false;
}

}  // namespace morvane::ui
