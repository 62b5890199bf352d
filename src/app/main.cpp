// Tastwerk: start-up of the program.
#include "course/uebungstexte.h"
#include "ui/hauptfenster.h"
#include "ui/qt_plattform.h"
#include "ui/signalwaechter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QSessionManager>
#include <QTimer>

#include <cstdio>

namespace {

struct Befehlszeile {
    QString ordner;
    bool ok = true;
};

// Reads the command line before any window exists, so --help and --version answer without a display.
Befehlszeile befehlszeileLesen(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tastwerk"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TASTWERK_VERSION));
    QCommandLineParser befehlszeile;
    befehlszeile.setApplicationDescription(
        QStringLiteral("Tastwerk – Schreibtrainer für das Zehnfingersystem in 16 Lektionen."));
    befehlszeile.addHelpOption();
    befehlszeile.addVersionOption();
    const QCommandLineOption ordnerOption(
        QStringList{QStringLiteral("ordner")},
        QStringLiteral("Startordner: hier liegen die Benutzerdatei Benutzer.dat und der Ordner Texte "
                       "(ohne Angabe der aktuelle Ordner)."),
        QStringLiteral("ORDNER"));
    befehlszeile.addOption(ordnerOption);
    befehlszeile.process(app);

    Befehlszeile ergebnis;
    ergebnis.ordner = QDir::currentPath();
    if (befehlszeile.isSet(ordnerOption)) {
        const QFileInfo info(befehlszeile.value(ordnerOption));
        if (!info.isDir()) {
            std::fprintf(stderr, "tastwerk: Der Ordner \"%s\" existiert nicht.\n",
                         befehlszeile.value(ordnerOption).toLocal8Bit().constData());
            ergebnis.ok = false;
            return ergebnis;
        }
        ergebnis.ordner = info.absoluteFilePath();
    }
    return ergebnis;
}

} // namespace

int main(int argc, char** argv) {
    const Befehlszeile befehle = befehlszeileLesen(argc, argv);
    if (!befehle.ok) {
        return 2;
    }
    const QString ordner = befehle.ordner;
    // Sound files are looked for by bare name in the start folder.
    QDir::setCurrent(ordner);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Win95TWK"));
    QApplication::setApplicationVersion(QStringLiteral(TASTWERK_VERSION));
    // The exercise lines are filled once, before the window opens.
    tastwerk::uebungszeilen();

    tastwerk::ui::QtUhr uhr;
    tastwerk::ui::QtDatentraeger datentraeger;
    // Sound files by bare name: the start folder first, then the program's own sounds.
    QStringList klangordner{ordner};
    for (const QString& daten : tastwerk::ui::datenordner()) {
        klangordner << daten + QStringLiteral("/klaenge");
    }
    tastwerk::ui::QtKlang klang(klangordner);

    tastwerk::ui::Umgebung umgebung;
    umgebung.uhr = &uhr;
    umgebung.klang = &klang;
    umgebung.datentraeger = &datentraeger;
    umgebung.programmordner = ordner;
    if (const QScreen* schirm = QGuiApplication::primaryScreen()) {
        umgebung.bildschirm = schirm->size();
        umgebung.dpi = schirm->logicalDotsPerInchY();
    }

    tastwerk::ui::Hauptfenster fenster(umgebung);
    tastwerk::ui::Signalwaechter waechter;
    QObject::connect(&waechter, &tastwerk::ui::Signalwaechter::beendenVerlangt, &fenster,
                     &tastwerk::ui::Hauptfenster::beendenOhneFrage);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &fenster,
                     [&fenster](QSessionManager&) { fenster.beendenOhneFrage(); });

    // Without a window manager "maximised" means nothing: cover the available screen ourselves.
    if (const QScreen* schirm = QGuiApplication::primaryScreen()) {
        fenster.setGeometry(schirm->availableGeometry());
    }
    fenster.showMaximized();
    QTimer::singleShot(0, &fenster, &tastwerk::ui::Hauptfenster::speicherPruefen);
    return app.exec();
}
