#include "ui/qt_plattform.h"

#include "session/startordner.h"
#include "ui/privatmodul.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTimer>

#include <cstdio>

namespace tastwerk::ui {

QtUhr::QtUhr() {
    seitStart_.start();
}

Zeitpunkt QtUhr::jetzt() const {
    const QDateTime jetzt = QDateTime::currentDateTime();
    const QDate d = jetzt.date();
    const QTime t = jetzt.time();
    Zeitpunkt z;
    // Qt counts Monday = 1 .. Sunday = 7; the program counts Sunday = 1 .. Saturday = 7.
    z.datum = {d.year(), d.month(), d.day(), d.dayOfWeek() % 7 + 1};
    z.stunde = t.hour();
    z.minute = t.minute();
    z.sekunde = t.second();
    z.millisekunde = t.msec();
    return z;
}

std::int64_t QtUhr::monotonMs() const {
    return seitStart_.elapsed();
}

std::optional<std::uint64_t> QtDatentraeger::freieBytes(const std::string& ordner) const {
    const QStorageInfo info(QString::fromStdString(ordner));
    if (!info.isValid() || !info.isReady() || info.bytesAvailable() < 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(info.bytesAvailable());
}

QtKlang::QtKlang(QStringList suchordner, QObject* parent)
    : QObject(parent), suchordner_(std::move(suchordner)) {
    hoechstens_.setSingleShot(true);
    connect(&hoechstens_, &QTimer::timeout, this, &QtKlang::synchronBeenden);
}

QtKlang::~QtKlang() = default;

QString QtKlang::finden(const QString& dateiname) const {
    for (const QString& ordner : suchordner_) {
        const QFileInfo info(QDir(ordner), dateiname);
        if (info.isFile()) {
            return info.absoluteFilePath();
        }
    }
    return {};
}

Klangausgabe* QtKlang::ausgabe() {
    if (geladen_) {
        return ausgabe_.get();
    }
    geladen_ = true;
    auto anlegen = reinterpret_cast<Klangausgabe* (*)()>(
        privatmodulLaden(QStringLiteral("klang"), "tastwerk_klangausgabe_anlegen",
                         "Die Klangausgabe ist nicht verfügbar; das Programm bleibt stumm"));
    if (anlegen == nullptr) {
        return nullptr;
    }
    ausgabe_.reset(anlegen());
    return ausgabe_.get();
}

bool QtKlang::ausgabeVorhanden() {
    Klangausgabe* a = ausgabe();
    return a != nullptr && a->vorhanden();
}

QString QtKlang::suchen(const std::string& dateiname) {
    const QString name = QString::fromStdString(dateiname);
    const QString pfad = finden(name);
    if (pfad.isEmpty() && !vermisst_.contains(name)) {
        vermisst_.insert(name);
        std::fprintf(stderr, "tastwerk: Die Klangdatei »%s« wurde nicht gefunden (gesucht in: %s).\n",
                     name.toLocal8Bit().constData(),
                     suchordner_.join(QStringLiteral(", ")).toLocal8Bit().constData());
    }
    return pfad;
}

bool QtKlang::spieleSynchron(const std::string& dateiname) {
    const QString pfad = suchen(dateiname);
    if (pfad.isEmpty() || !ausgabeVorhanden()) {
        return false;
    }
    synchronBeenden();
    // The sound plays to its end while the event loop goes on; keystrokes wait until it has ended, but
    // never longer than a short sound of the program lasts.
    const int nummer = ++synchronNummer_;
    synchron_ = true;
    const bool gestartet = ausgabe_->spielen(pfad, [this, nummer](bool fehler) {
        if (nummer != synchronNummer_) {
            return; // a later sound has taken its place
        }
        if (fehler) {
            piepen();
        }
        synchronBeenden();
    });
    if (!gestartet) {
        synchron_ = false;
        return false;
    }
    if (synchron_) {
        hoechstens_.start(1500);
    }
    return true;
}

void QtKlang::synchronBeenden() {
    if (!synchron_) {
        return;
    }
    ++synchronNummer_;
    hoechstens_.stop();
    synchron_ = false;
    synchronBeendet();
}

void QtKlang::spieleAsynchron(const std::string& dateiname) {
    const QString pfad = suchen(dateiname);
    if (pfad.isEmpty() || !ausgabeVorhanden()) {
        return;
    }
    ausgabe_->spielen(pfad, {});
}

void QtKlang::piepen() {
    QApplication::beep();
}

QStringList datenordner() {
    const std::vector<std::string> liste =
        datenordnerListe(QCoreApplication::applicationDirPath().toStdString(), [](const char* name) {
            return qEnvironmentVariableIsSet(name) ? std::optional<std::string>(qgetenv(name).toStdString())
                                                   : std::nullopt;
        });
    QStringList ordner;
    for (const std::string& o : liste) {
        ordner << QDir::cleanPath(QString::fromStdString(o));
    }
    return ordner;
}

} // namespace tastwerk::ui
