// A second yardstick beside the bare window: the same window with a menu bar and one line of text, so the
// figures show what any window pays for its menu and its fonts (font configuration, shaping, rasterising)
// apart from what the program itself costs.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow fenster;
    fenster.setWindowTitle(QStringLiteral("Qt-Fenster mit Text"));
    fenster.menuBar()->addMenu(QStringLiteral("&Datei"));
    fenster.setCentralWidget(new QLabel(QStringLiteral("Bitte geben Sie Ihren Benutzernamen ein:")));
    if (const QScreen* schirm = QGuiApplication::primaryScreen()) {
        fenster.setGeometry(schirm->availableGeometry());
    }
    fenster.showMaximized();
    return app.exec();
}
