// The yardstick of the start-up figures: a bare Qt main window, maximised, with the program's caption
// style, started the same way as the program: without a window manager (as under Xvfb) "maximised"
// means nothing, so it covers the available screen itself, as the program's window does.
#include <QApplication>
#include <QMainWindow>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow fenster;
    fenster.setWindowTitle(QStringLiteral("Leeres Qt-Fenster"));
    if (const QScreen* schirm = QGuiApplication::primaryScreen()) {
        fenster.setGeometry(schirm->availableGeometry());
    }
    fenster.showMaximized();
    return app.exec();
}
