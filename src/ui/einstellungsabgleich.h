// The learner's settings in the screens that show them: the values loaded at sign-in, and the colours,
// fonts and sound options the settings change, which take effect at once. A screen made later takes the
// values when it is made.
#pragma once

#include <QObject>

namespace tastwerk {
struct Sitzung;
} // namespace tastwerk

namespace tastwerk::ui {

class BuchstabenSeite;
class Seitenbau;

class Einstellungsabgleich : public QObject {
    Q_OBJECT
public:
    Einstellungsabgleich(Sitzung& sitzung, Seitenbau& seitenbau, QObject* parent);

    // A learner has signed in: the screens made so far show the loaded values.
    void angemeldet();

private:
    // The learner's settings in the letter exercise's popup, legend and background.
    void buchstabenEinstellen(BuchstabenSeite& b);

    Sitzung& sitzung_;
    Seitenbau& seitenbau_;
};

} // namespace tastwerk::ui
