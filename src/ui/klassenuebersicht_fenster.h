// The teacher's overview of a class: every learner of the folder with lesson and stage, sessions,
// practice time, last use, latest speed and error rate and their trend. Sortable by any column; saved
// as CSV for a spreadsheet, printed, or saved as PDF.
#pragma once

#include <QDialog>

#include <string>

class QTableWidget;

namespace tastwerk::ui {

class Druckausgabe;

class KlassenuebersichtFenster : public QDialog {
    Q_OBJECT
public:
    explicit KlassenuebersichtFenster(std::string ordner, QWidget* parent = nullptr);

    // Reads the user file and the history of the folder anew and shows the overview.
    void zeigen();

    QTableWidget* tabelle() const { return tabelle_; }
    // Writes the overview; false after a message to the user.
    bool csvSpeichern(const QString& pfad);
    bool pdfSpeichern(const QString& pfad);

private:
    void fuellen();
    // The print output; none after a message to the user.
    Druckausgabe* druckbar();
    QString alsHtml() const;

    std::string ordner_;
    QTableWidget* tabelle_;
};

} // namespace tastwerk::ui
