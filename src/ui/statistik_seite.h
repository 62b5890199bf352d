// The screen "Fehlerstatistik": per finger group a text line in its finger colour and a bar, in two
// columns for the left and the right hand, with a common full scale chosen from the panel's popup.
#pragma once

#include "session/sitzung.h"
#include "stats/fehlerstatistik.h"
#include "ui/masse.h"
#include "ui/zugaenglichkeit.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>

#include <array>

namespace tastwerk::ui {

class StatistikSeite : public QObject {
    Q_OBJECT
public:
    StatistikSeite(QGroupBox* rahmen, Sitzung& sitzung, const Masse& m);

    // Redraws the panel from the rates and counts (the caller computed the rates with statistikberechnen).
    void fehlerstatistik(int lektion, const Fingerfehlerquoten& quoten, const Fingerzahlen& anschlaege,
                         const Fingerzahlen& fehler);
    // Redraws with the values last shown (the timer does this while the panel is visible).
    void neuZeichnen();
    // Applies the session's scale to all bars and scale labels.
    void skalierung();

    QGroupBox* rahmen() const { return rahmen_; }
    const std::array<QLabel*, FingergruppenAnzahl>& zeilen() const { return zeilen_; }
    const std::array<Anteilsbalken*, FingergruppenAnzahl>& balken() const { return balken_; }
    const std::array<QLabel*, FingergruppenAnzahl>& skalentexte() const { return skalen_; }
    QMenu* popup() const { return popup_; }
    QMenu* skalierungsMenue() const { return skalierungsMenue_; }

private:
    QGroupBox* rahmen_;
    Sitzung& sitzung_;
    std::array<QLabel*, FingergruppenAnzahl> zeilen_{};
    std::array<Anteilsbalken*, FingergruppenAnzahl> balken_{};
    std::array<QLabel*, FingergruppenAnzahl> skalen_{};
    QMenu* popup_;
    QMenu* skalierungsMenue_;
    Fingerfehlerquoten quoten_{};
    int lektion_ = 1;
    bool gezeichnet_ = false;
};

} // namespace tastwerk::ui
