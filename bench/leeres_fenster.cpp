// The yardstick of the start-up figures: a bare Qt main window, maximised, with the program's caption
// style, started the same way as the program.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow fenster;
    fenster.setWindowTitle(QStringLiteral("Leeres Qt-Fenster"));
    fenster.showMaximized();
    return app.exec();
}
