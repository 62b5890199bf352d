// The screen "Benutzer- und Systemdaten": the signed-in learner's settings, start time, last use and
// use count, the screen size and the free disk space, and the box with the current lesson.
#pragma once

#include "session/sitzung.h"
#include "ui/masse.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <cstdint>
#include <optional>

namespace tastwerk::ui {

class BenutzerdatenSeite : public QObject {
    Q_OBJECT
public:
    BenutzerdatenSeite(QGroupBox* rahmen, const Sitzung& sitzung, const Masse& m);

    // Fills every line from the session; `freieKByte` is the free space of the program's drive.
    void anzeigen(std::optional<std::uint64_t> freieKByte);

    // The lesson box follows the learner's position (every tick); it is only written when it changed.
    void lektionsfeldAktualisieren();

    QGroupBox* rahmen() const { return rahmen_; }
    QLabel* nameZeile() const { return name_; }
    QLabel* lektionZeile() const { return lektion_; }
    QLabel* tippgeschwindigkeitZeile() const { return tippgeschwindigkeit_; }
    QLabel* hoechstfehlerrateZeile() const { return hoechstfehlerrate_; }
    QLabel* startzeitZeile() const { return startzeit_; }
    QLabel* letzteBenutzungZeile() const { return letzteBenutzung_; }
    QLabel* benutzungenZeile() const { return benutzungen_; }
    QLabel* bildschirmZeile() const { return bildschirm_; }
    QLabel* speicherZeile() const { return speicher_; }
    QLineEdit* lektionsfeld() const { return lektionsfeld_; }

private:
    QGroupBox* rahmen_;
    const Sitzung& sitzung_;
    QLabel* name_;
    QLabel* lektion_;
    QLabel* tippgeschwindigkeit_;
    QLabel* hoechstfehlerrate_;
    QLabel* startzeit_;
    QLabel* letzteBenutzung_;
    QLabel* benutzungen_;
    QLabel* bildschirm_;
    QLabel* speicher_;
    QLineEdit* lektionsfeld_;
    // What the lesson box shows, so that the tick writes it only when the position moved.
    int gezeigteLektion_ = -1;
    int gezeigteStufe_ = -1;
};

} // namespace tastwerk::ui
