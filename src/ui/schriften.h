// The exercise fonts as the learner's record keeps them: a Windows-1252 font name, a size and a style
// code (0 regular, 1 bold, 2 italic, 3 bold italic).
#pragma once

#include "session/schriftwahl.h"

#include <QFont>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace tastwerk::ui {

// The stored font as a Qt font of the given point size. A style code outside 0..3 leaves the style as
// the font has it.
QFont gespeicherteSchriftart(const std::string& nameCp1252, int punkte, std::uint8_t stil);

// The stored font as the font dialog is to show it: where the stored family is not installed, the
// family that stands in for it (Times New Roman: Liberation Serif), with its style named as that family
// names it; size and style as stored.
QFont dialogVorgabe(const QFont& gespeichert);

// The family name to store for the dialog's answer: the stored name stays while the learner keeps the
// family that stands in for it, so OK without a change changes nothing.
QString zuSpeichernderName(const QFont& gewaehlt, const QFont& gespeichert);

// The dialog's answer as the core takes it, with the family name to store; bold counts from demi-bold up.
Schriftwahl alsSchriftwahl(const QFont& gewaehlt, const QString& familie);

// The stored font of the text as this screen shows it (stored size by the screen's pixels per inch).
QFont schriftDesTextes(const Sitzung& sitzung, Schrifttext text, double dpi);

// The font dialog asks, preset with the text's stored font as this screen shows it; the answer is stored
// by schriftUebernehmen. A name the record cannot hold is reported over eltern and changes nothing.
// Whether a font was stored (also when it equals the one before); false when cancelled or refused.
using Schriftdialog = std::function<std::optional<QFont>(const QFont& vorgabe)>;
bool schriftWaehlenUndSpeichern(Sitzung& sitzung, Schrifttext text, double dpi, const Schriftdialog& waehlen,
                                QWidget* eltern);

} // namespace tastwerk::ui
