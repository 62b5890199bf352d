// The help window: the program's help pages (HTML in the data folder "hilfe") in a window of its own
// that stays open beside the main window.
#pragma once

#include <QDialog>
#include <QStringList>

class QPushButton;
class QTextBrowser;

namespace tastwerk::ui {

class Hilfefenster : public QDialog {
    Q_OBJECT
public:
    // Looks for "hilfe/index.html" in each of the folders in turn; the first folder that holds it
    // supplies all pages.
    explicit Hilfefenster(QStringList datenordner, QWidget* parent = nullptr);

    // Shows the contents page and brings the window to the front.
    void inhaltZeigen();
    // Shows the page of a help context number (1 main window, 2 letter exercise, 3 word exercise,
    // 5 user table) and brings the window to the front; an unknown number shows the contents.
    void themaZeigen(int kontextnummer);

    // The folder the pages come from ("…/hilfe"), empty when no folder holds them.
    QString seitenordner() const { return seitenordner_; }
    QTextBrowser* browser() const { return browser_; }

    // The page file of a context number, relative to the pages folder.
    static QString themenseite(int kontextnummer);

private:
    void seiteZeigen(const QString& datei);
    void nichtGefundenZeigen(const QString& datei);
    void vorneZeigen();

    QStringList datenordner_;
    QString seitenordner_;
    QTextBrowser* browser_;
    QPushButton* zurueck_;
    QPushButton* vor_;
    QPushButton* inhalt_;
};

} // namespace tastwerk::ui
