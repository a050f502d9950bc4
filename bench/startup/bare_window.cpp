// bare_window: the floor for the start-up benchmark. A plain Qt 6 main window of the same
// kind as the program's windows - a menu bar with a few menus and ten labelled fields -
// with nothing else loaded.
#include <QApplication>
#include <QFormLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Leeres Fenster"));
    for (const char* title : {"Datei", "Technik", "Kosten", "Sonstiges", "Hilfe"}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromUtf8(title));
        for (int i = 1; i <= 4; ++i) menu->addAction(QStringLiteral("Eintrag %1").arg(i));
    }
    auto* fields = new QWidget;
    auto* form = new QFormLayout(fields);
    for (int i = 1; i <= 10; ++i)
        form->addRow(QStringLiteral("Feld %1").arg(i), new QLineEdit(QStringLiteral("0")));
    window.setCentralWidget(fields);
    window.show();
    return QApplication::exec();
}
