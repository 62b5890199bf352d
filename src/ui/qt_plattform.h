// The outside world for the core, through Qt: clocks, sound and the free space of a drive.
#pragma once

#include "platform/datentraeger.h"
#include "platform/klang.h"
#include "platform/uhr.h"
#include "ui/klangausgabe.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

namespace tastwerk::ui {

class QtUhr : public Uhr {
public:
    QtUhr();
    Zeitpunkt jetzt() const override;
    std::int64_t monotonMs() const override;

private:
    QElapsedTimer seitStart_;
};

class QtDatentraeger : public Datentraeger {
public:
    std::optional<std::uint64_t> freieBytes(const std::string& ordner) const override;
};

// Plays wave files found by bare name: first in the start folder, then in the program's data folder.
// The sound output is loaded with the first sound. Without a sound device the program goes on silently.
class QtKlang : public QObject, public Klang {
    Q_OBJECT
public:
    explicit QtKlang(QStringList suchordner, QObject* parent = nullptr);
    ~QtKlang() override;
    bool spieleSynchron(const std::string& dateiname) override;
    bool synchronLaeuft() const override { return synchron_; }
    void spieleAsynchron(const std::string& dateiname) override;
    void piepen() override;

    // The full path of a sound file, or empty when no folder holds it.
    QString finden(const QString& dateiname) const;

    // Whether the machine has a sound output at all; without one every file counts as unplayable.
    bool ausgabeVorhanden();

private:
    // finden(), and a warning on the terminal the first time a file is missing.
    QString suchen(const std::string& dateiname);
    // The sound output, loaded on first use; null when it cannot be loaded.
    Klangausgabe* ausgabe();
    // The synchronous sound has ended, failed or played long enough.
    void synchronBeenden();

    QStringList suchordner_;
    QSet<QString> vermisst_;
    bool geladen_ = false;
    std::unique_ptr<Klangausgabe> ausgabe_;
    bool synchron_ = false;
    int synchronNummer_ = 0;
    QTimer hoechstens_;
};

// Folders that may hold the program's data (help pages, sounds), in the order they are searched:
// ../share/tastwerk beside the program (installed under any prefix, or in the build tree, which has the
// same layout), then "tastwerk" in each folder of XDG_DATA_DIRS.
QStringList datenordner();

} // namespace tastwerk::ui
