// Tastwerk: start-up of the program.
#include "session/befehlszeile.h"
#include "session/startordner.h"
#include "ui/hauptfenster.h"
#include "ui/qt_deutsch.h"
#include "ui/qt_plattform.h"
#include "ui/signalwaechter.h"
#include "verlauf/csv.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QSessionManager>
#include <QTimer>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

std::optional<std::string> umgebungsvariable(const char* name) {
    if (!qEnvironmentVariableIsSet(name)) {
        return std::nullopt;
    }
    return qgetenv(name).toStdString();
}

// A start that cannot go on: said on the terminal, and in a message box when the program was started
// from the menu, where no terminal shows it.
int startAbbrechen(int argc, char** argv, const tastwerk::Befehlszeile& befehle, const QString& text,
                   int rueckgabe) {
    std::fprintf(stderr, "tastwerk: %s\n", text.toLocal8Bit().constData());
    if (befehle.benutzerordner &&
        (qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))) {
        QApplication app(argc, argv);
        tastwerk::ui::qtTexteDeutsch(app);
        QMessageBox::critical(nullptr, QStringLiteral("Tastwerk"), text);
    }
    return rueckgabe;
}

// --klassenliste and --lernverlauf: the CSV files for a teacher's scripts, written without a window.
int ausgeben(const tastwerk::Befehlszeile& befehle, const std::string& ordner) {
    const auto schreiben = [&](const std::optional<std::string>& ziel, auto ausgabe) {
        if (!ziel) {
            return true;
        }
        if (const auto meldung = ausgabe(ordner, *ziel)) {
            std::fprintf(stderr, "tastwerk: %s\n", meldung->c_str());
            return false;
        }
        return true;
    };
    const bool klasse = schreiben(befehle.klassenliste, tastwerk::klassenlisteAusgeben);
    const bool verlauf = schreiben(befehle.lernverlauf, tastwerk::lernverlaufAusgeben);
    return klasse && verlauf ? 0 : 2;
}

// The program's icon in every size the window carries (16 to 128 pixels). The desktop shows the installed
// icon theme's pictures beside; the largest, 256 pixels, would cost more to read at every start than the
// seven others together.
QIcon fenstersymbol() {
    QIcon symbol;
    const QDir ordner(QStringLiteral(":/symbole/tastwerk"));
    for (const QString& datei : ordner.entryList(QDir::Files)) {
        // Read as PNG, said outright: a reader left to guess loads every picture format plug-in to ask it.
        QImageReader leser(ordner.filePath(datei), "png");
        leser.setAutoDetectImageFormat(false);
        symbol.addPixmap(QPixmap::fromImage(leser.read()));
    }
    return symbol;
}

} // namespace

int main(int argc, char** argv) {
    const tastwerk::Befehlszeile befehle =
        tastwerk::befehlszeileLesen(std::vector<std::string>(argv + 1, argv + argc));
    switch (befehle.auftrag) {
    case tastwerk::Befehlszeile::Auftrag::Hilfe:
        std::fputs(tastwerk::hilfetext().c_str(), stdout);
        return 0;
    case tastwerk::Befehlszeile::Auftrag::Version:
        std::fputs(tastwerk::versionstext(TASTWERK_VERSION).c_str(), stdout);
        return 0;
    case tastwerk::Befehlszeile::Auftrag::Fehler:
        std::fputs(tastwerk::fehlertext(befehle.fehler).c_str(), stderr);
        return 2;
    case tastwerk::Befehlszeile::Auftrag::Starten:
        break;
    }

    const tastwerk::Startordnerwahl wahl =
        tastwerk::startordnerWaehlen(befehle, umgebungsvariable, QDir::currentPath().toStdString());
    if (!wahl.fehler.empty()) {
        return startAbbrechen(argc, argv, befehle, QString::fromStdString(wahl.fehler), 1);
    }
    const QString ordner = QDir::cleanPath(QString::fromStdString(wahl.ordner));
    if (wahl.anlegen && !QDir().mkpath(ordner)) {
        return startAbbrechen(argc, argv, befehle,
                              QStringLiteral("Der Datenordner »%1« kann nicht angelegt werden.").arg(ordner),
                              1);
    }
    if (!QFileInfo(ordner).isDir()) {
        // A folder named on the command line is the caller's mistake; one from the environment is the
        // machine's.
        if (wahl.herkunft == "--ordner") {
            return startAbbrechen(argc, argv, befehle,
                                  QStringLiteral("Der Ordner »%1« existiert nicht.").arg(ordner), 2);
        }
        return startAbbrechen(argc, argv, befehle,
                              QStringLiteral("Der Ordner »%1« (aus %2) existiert nicht.")
                                  .arg(ordner, QString::fromStdString(wahl.herkunft)),
                              1);
    }
    if (befehle.klassenliste || befehle.lernverlauf) {
        return ausgeben(befehle, ordner.toStdString());
    }
    // Sound files are looked for by bare name in the start folder.
    QDir::setCurrent(ordner);

    QApplication app(argc, argv);
    if (const QString fehlt = tastwerk::ui::qtTexteDeutsch(app); !fehlt.isEmpty()) {
        std::fprintf(stderr, "tastwerk: %s\n", fehlt.toLocal8Bit().constData());
    }
    // The application title is also the window class that the desktop entry names (StartupWMClass).
    QApplication::setApplicationName(QStringLiteral("Win95TWK"));
    QApplication::setApplicationVersion(QStringLiteral(TASTWERK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TASTWERK_ID));
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
    // The icon is read once the window is on its way: decoding its pictures would hold up the start.
    QTimer::singleShot(0, &app, [] { QApplication::setWindowIcon(fenstersymbol()); });
    return app.exec();
}
