// Printing and PDF output behind the class overview. They live in a small library of their own that is
// loaded when the learner first prints or saves a PDF, so that Qt's printing support is not loaded at
// start.
#pragma once

#include <QString>

class QWidget;

namespace tastwerk::ui {

class Druckausgabe {
public:
    virtual ~Druckausgabe() = default;
    // Asks for a printer in the print dialog over `eltern` and prints the HTML document on it. False when
    // the learner cancelled the dialog.
    virtual bool drucken(const QString& html, QWidget* eltern) = 0;
    // Writes the HTML document as a PDF file in landscape format.
    virtual void pdfSchreiben(const QString& html, const QString& pfad) = 0;
};

// The print output, loaded on the first call; none when its library cannot be loaded (said on the
// terminal with the reason).
Druckausgabe* druckausgabe();

} // namespace tastwerk::ui

// The entry point of the print library: one output for the program's whole run.
extern "C" tastwerk::ui::Druckausgabe* tastwerk_druckausgabe_anlegen();
