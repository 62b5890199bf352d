// The sound output through Qt Multimedia, built as the library the program loads on the first sound.
#include "ui/klangausgabe.h"

#include <QAudioDevice>
#include <QHash>
#include <QList>
#include <QMediaDevices>
#include <QObject>
#include <QSoundEffect>
#include <QUrl>

namespace {

class Multimediaausgabe : public tastwerk::ui::Klangausgabe {
public:
    bool vorhanden() override {
        static const bool da = !QMediaDevices::defaultAudioOutput().isNull();
        return da;
    }

    bool spielen(const QString& pfad, std::function<void(bool)> ende) override {
        QSoundEffect* e = effekt(pfad);
        if (e->status() == QSoundEffect::Error) {
            return false;
        }
        if (!ende) {
            if (e->status() == QSoundEffect::Ready) {
                e->play();
            } else {
                QObject::connect(
                    e, &QSoundEffect::statusChanged, e,
                    [e] {
                        if (e->status() == QSoundEffect::Ready) {
                            e->play();
                        }
                    },
                    Qt::SingleShotConnection);
            }
            return true;
        }
        // The end is reported once: the connections go with the first report.
        auto verbindungen = std::make_shared<QList<QMetaObject::Connection>>();
        auto melden = [verbindungen, ende](bool fehler) {
            for (const QMetaObject::Connection& v : std::as_const(*verbindungen)) {
                QObject::disconnect(v);
            }
            verbindungen->clear();
            ende(fehler);
        };
        *verbindungen << QObject::connect(e, &QSoundEffect::statusChanged, e, [e, melden] {
            if (e->status() == QSoundEffect::Error) {
                melden(true);
            } else if (e->status() == QSoundEffect::Ready && !e->isPlaying()) {
                e->play();
            }
        });
        *verbindungen << QObject::connect(e, &QSoundEffect::playingChanged, e, [e, melden] {
            if (!e->isPlaying()) {
                melden(false);
            }
        });
        if (e->status() == QSoundEffect::Ready) {
            e->play();
        }
        return true;
    }

private:
    // The loaded sound of a file, kept so a file is read once.
    QSoundEffect* effekt(const QString& pfad) {
        if (QSoundEffect* e = effekte_.value(pfad)) {
            return e;
        }
        auto* e = new QSoundEffect(&besitzer_);
        e->setSource(QUrl::fromLocalFile(pfad));
        effekte_.insert(pfad, e);
        return e;
    }

    QObject besitzer_;
    QHash<QString, QSoundEffect*> effekte_;
};

} // namespace

extern "C" Q_DECL_EXPORT tastwerk::ui::Klangausgabe* tastwerk_klangausgabe_anlegen() {
    return new Multimediaausgabe;
}
