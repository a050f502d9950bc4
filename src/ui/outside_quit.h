// Quitting from outside: the end of the desktop session (the session manager's quit) and the
// signals that ask a program to end (SIGTERM, SIGINT, SIGHUP). The program ends as when the
// user closes its windows: the running dialogs are rejected, the reactions below them end,
// then every window closes through the application, and the last one ends the event loop.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace morvane {
class Application;
}

namespace morvane::ui {

class OutsideQuit : public QObject {
    Q_OBJECT
public:
    // One per program, made after the QApplication; it hears the signals until it is gone.
    explicit OutsideQuit(Application& app);
    ~OutsideQuit() override;

    // Ends the program as described above; a second call changes nothing.
    void quit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void signalled();
    void closeAll();

    Application& app_;
    QSocketNotifier* notifier_ = nullptr;
    bool quitting_ = false;
};

}  // namespace morvane::ui
