// The learner's record on the main window: the start before sign-in, the name box and the sign-in, the
// user file and its folder, the saving, and the question on closing.
#pragma once

#include "ui/masse.h"

#include <QObject>
#include <QString>

class QCloseEvent;
class QLabel;
class QWidget;

namespace tastwerk {
struct Sitzung;
class Benutzerdatei;
} // namespace tastwerk

namespace tastwerk::ui {

class Bildschirme;
class Einstellungsabgleich;
class Namensfeld;
class Seitenbau;
class Uebungssteuerung;
struct Aktionen;
struct Umgebung;

class Anmeldung : public QObject {
    Q_OBJECT
public:
    // `fenster` owns the message boxes and is closed when the program ends.
    Anmeldung(Umgebung& umgebung, Sitzung& sitzung, Benutzerdatei& datei, Aktionen& aktionen,
              Bildschirme& bildschirme, Seitenbau& seitenbau, Uebungssteuerung& steuerung,
              Einstellungsabgleich& abgleich, Namensfeld& namensfeld, QLabel& namensaufforderung,
              const Masse& m, QWidget& fenster);

    // The state before sign-in: nothing of the practice is usable, the name box takes the keys.
    void init();

    // Saves the session into the learner's record; a failure is shown to the learner. True on success.
    bool datenaufdiskschreiben();

    // The window is to close: a running exercise pauses, the session is saved and the learner is asked.
    void schliessenFragen(QCloseEvent* e);
    // The desktop session ends or the program is told to terminate: save as at closing, without asking.
    void beendenOhneFrage();
    // The program is being ended without a question: nobody is there to read a message any more.
    bool ohneFrage() const { return ohneFrage_; }

private:
    // The free space check of the start-up, run once the window is shown.
    void speicherPruefen();
    void editfeld(int taste, int laengeVorher, const QString& textVorher);
    bool anmelden(const QString& name);
    // The file `pfad` is no user file: the learner chooses another folder for the user file and the
    // texts (true), or ends the program (false). The file is left as it is.
    bool andererOrdner(const QString& pfad);
    void angemeldetAnzeigen();
    // Pauses a running exercise before the close question, unless it is paused already.
    void pausierenFallsLaeuft();

    Umgebung& umgebung_;
    Sitzung& sitzung_;
    Benutzerdatei& benutzerdatei_;
    Aktionen& aktionen_;
    Bildschirme& bildschirme_;
    Seitenbau& seitenbau_;
    Uebungssteuerung& steuerung_;
    Einstellungsabgleich& abgleich_;
    Namensfeld& namensfeld_;
    QLabel& namensaufforderung_;
    Masse masse_;
    QWidget& fenster_;
    bool ohneFrage_ = false;
};

} // namespace tastwerk::ui
