#include "ui/qt_plattform.h"

#include "session/startordner.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QStorageInfo>
#include <QTimer>
#include <QUrl>

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

bool QtKlang::ausgabeVorhanden() {
    static const bool vorhanden = !QMediaDevices::defaultAudioOutput().isNull();
    return vorhanden;
}

QSoundEffect* QtKlang::effekt(const QString& pfad) {
    if (QSoundEffect* e = effekte_.value(pfad)) {
        return e;
    }
    auto* e = new QSoundEffect(this);
    e->setSource(QUrl::fromLocalFile(pfad));
    effekte_.insert(pfad, e);
    return e;
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
    QSoundEffect* e = effekt(pfad);
    if (e->status() == QSoundEffect::Error) {
        return false;
    }
    synchronBeenden();
    // The sound plays to its end while the event loop goes on; keystrokes wait until it has ended, but
    // never longer than a short sound of the program lasts.
    synchron_ = e;
    verbindungen_ << QObject::connect(e, &QSoundEffect::statusChanged, this, [this, e] {
        if (e->status() == QSoundEffect::Error) {
            piepen();
            synchronBeenden();
        } else if (e->status() == QSoundEffect::Ready && !e->isPlaying()) {
            e->play();
        }
    });
    verbindungen_ << QObject::connect(e, &QSoundEffect::playingChanged, this, [this, e] {
        if (!e->isPlaying()) {
            synchronBeenden();
        }
    });
    if (e->status() == QSoundEffect::Ready) {
        e->play();
    }
    hoechstens_.start(1500);
    return true;
}

void QtKlang::synchronBeenden() {
    if (!synchron_) {
        return;
    }
    for (const QMetaObject::Connection& v : std::as_const(verbindungen_)) {
        QObject::disconnect(v);
    }
    verbindungen_.clear();
    hoechstens_.stop();
    synchron_ = nullptr;
    synchronBeendet();
}

void QtKlang::spieleAsynchron(const std::string& dateiname) {
    const QString pfad = suchen(dateiname);
    if (pfad.isEmpty() || !ausgabeVorhanden()) {
        return;
    }
    QSoundEffect* e = effekt(pfad);
    if (e->status() == QSoundEffect::Ready) {
        e->play();
        return;
    }
    QObject::connect(
        e, &QSoundEffect::statusChanged, e,
        [e] {
            if (e->status() == QSoundEffect::Ready) {
                e->play();
            }
        },
        Qt::SingleShotConnection);
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
