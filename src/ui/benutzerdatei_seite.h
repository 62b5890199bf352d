// The screen "Benutzerdatei einsehen": the table of all users in file order and the panel that deletes
// a user other than the signed-in one, unlocked by the access word.
#pragma once

#include "session/benutzerdatei.h"
#include "session/sitzung.h"
#include "ui/masse.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tastwerk::ui {

class BenutzerdateiSeite : public QObject {
    Q_OBJECT
public:
    BenutzerdateiSeite(QGroupBox* rahmen, Sitzung& sitzung, Benutzerdatei& datei, const Masse& m);

    // One table row per record, in file order; sizes the table and the screen. Returns whether there
    // are more than 7 users: then the table takes the room of the welcome text, which must be hidden.
    bool fuellen(const std::vector<Benutzerdatensatz>& saetze);
    bool mehrAlsSiebenBenutzer() const { return namen_.size() > 7; }

    // The timer's duty: enables "Benutzer löschen" and "Klassenübersicht" once the password box holds
    // the access word.
    void zugangPruefen();

    // Deletes what else belongs to a deleted learner (the learning history), while the user file is
    // still locked; returns a message for the user when that failed.
    std::function<std::optional<std::string>(const std::string& name)> auchLoeschen;

    int gewaehlteZeile() const { return zeile_; }
    int gewaehlteSpalte() const { return spalte_; }
    bool benutzerGewaehlt() const { return gewaehlt_; }

    QGroupBox* rahmen() const { return rahmen_; }
    QTableWidget* tabelle() const { return tabelle_; }
    QFrame* loeschfeld() const { return loeschfeld_; }
    QLabel* frage() const { return frage_; }
    QLineEdit* passwortfeld() const { return passwort_; }
    QPushButton* loeschenKnopf() const { return loeschen_; }
    QPushButton* abbruchKnopf() const { return abbruch_; }
    QPushButton* klassenuebersichtKnopf() const { return klassen_; }

signals:
    // A user was deleted; the table must be built anew (benutzerdatei_einsehen).
    void geloescht();
    // The selected user was no longer in the file (another copy of the program changed it); the
    // table must be built anew.
    void tabelleVeraltet();
    // "Klassenübersicht", behind the access word.
    void klassenuebersichtVerlangt();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // A mouse release over the table at row `zeile` (0 the header row, users from 1, -1 beside the
    // cells) and column `spalte` (-1 beside the cells): selects the user and shows the deletion panel.
    void ben_loeschen(int zeile, int spalte);
    // "Benutzer löschen": deletes the selected user unless it is the signed-in one.
    void benutzerLoeschen();
    // "Abbruch": hides the deletion panel.
    void nichtloeschen();
    // Screen and table height: the normal size, or down to the bottom of the welcome text.
    void groessenSetzen(bool gross);
    void dateifehlerMelden(const QString& was, const std::exception& fehler);

    QGroupBox* rahmen_;
    Sitzung& sitzung_;
    Benutzerdatei& datei_;
    Masse masse_;
    QTableWidget* tabelle_;
    QFrame* loeschfeld_;
    QLabel* frage_;
    QLineEdit* passwort_;
    QPushButton* loeschen_;
    QPushButton* abbruch_;
    QPushButton* klassen_;
    // The stored names (Windows-1252) of the rows shown, so a deletion knows whom the table showed.
    std::vector<std::string> namen_;
    int zeile_ = 0;
    int spalte_ = 0;
    bool gewaehlt_ = false;
};

} // namespace tastwerk::ui
