// A second yardstick beside the bare window: the same window with a menu bar and one line of text, so the
// figures show what any window pays for its menu and its fonts (font configuration, shaping, rasterising)
// apart from what the program itself costs. With --takt it also runs a 250 ms timer and shows a new number
// every second: the least a lesson left untouched does (its timer, and the falling speed figure).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow fenster;
    fenster.setWindowTitle(QStringLiteral("Qt-Fenster mit Text"));
    fenster.menuBar()->addMenu(QStringLiteral("&Datei"));
    auto* zeile = new QLabel(QStringLiteral("Bitte geben Sie Ihren Benutzernamen ein:"));
    fenster.setCentralWidget(zeile);
    QTimer takt;
    int schlaege = 0;
    if (argc > 1 && std::strcmp(argv[1], "--takt") == 0) {
        // A figure of the status bar's size, with its own background, as the lesson shows its speed.
        auto* zahl = new QLabel(zeile);
        zahl->setGeometry(20, 20, 260, 24);
        zahl->setAutoFillBackground(true);
        QObject::connect(&takt, &QTimer::timeout, [&schlaege, zahl] {
            if (++schlaege % 4 == 0) {
                zahl->setText(QStringLiteral("Anschläge pro Minute: %1").arg(schlaege / 4));
            }
        });
        takt.start(250);
    }
    if (const QScreen* schirm = QGuiApplication::primaryScreen()) {
        fenster.setGeometry(schirm->availableGeometry());
    }
    fenster.showMaximized();
    return app.exec();
}
