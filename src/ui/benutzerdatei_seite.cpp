#include "ui/benutzerdatei_seite.h"

#include "platform/datei.h"
#include "session/benutzertabelle.h"
#include "ui/leinwand.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace tastwerk::ui {

namespace {

QString text(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

// The user table reports where a mouse button was released, after the view has handled the release
// itself, so that the row it marks is the one the program chose. Return chooses the row the arrow keys
// have reached, as a click on it would.
class Benutzertabelle : public QTableWidget {
public:
    using QTableWidget::QTableWidget;
    std::function<void(QPoint)> beiLoslassen;
    std::function<void(int reihe, int spalte)> beiEingabetaste;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        QTableWidget::mouseReleaseEvent(e);
        if (beiLoslassen) {
            beiLoslassen(e->position().toPoint());
        }
    }
    void keyPressEvent(QKeyEvent* e) override {
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && beiEingabetaste &&
            currentRow() >= 0) {
            beiEingabetaste(currentRow(), std::max(0, currentColumn()));
            return;
        }
        QTableWidget::keyPressEvent(e);
    }
};

// A table of the normal size shows the header row and 7 users.
constexpr int NormalSichtbareZeilen = 8;

} // namespace

BenutzerdateiSeite::BenutzerdateiSeite(QGroupBox* rahmen, Sitzung& sitzung, Benutzerdatei& datei,
                                       const Masse& m)
    : QObject(rahmen), rahmen_(rahmen), sitzung_(sitzung), datei_(datei), masse_(m) {
    auto* tabelle = new Benutzertabelle(0, TabellenspaltenAnzahl, rahmen);
    tabelle_ = tabelle;
    tabelle_->setAccessibleName(QStringLiteral("Benutzerliste"));
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Chosen from with the mouse, or with the arrow keys and Return.
    tabelle_->setFocusPolicy(Qt::StrongFocus);
    tabelle_->setTabKeyNavigation(false);
    tabelle_->setWordWrap(false);
    QPalette schwarz = tabelle_->palette();
    schwarz.setColor(QPalette::Text, Qt::black);
    tabelle_->setPalette(schwarz);

    const int zeilenhoehe = std::max(1, m.h(100, 279) / NormalSichtbareZeilen);
    QHeaderView* spalten = tabelle_->horizontalHeader();
    QStringList koepfe;
    for (int k = 0; k < TabellenspaltenAnzahl; ++k) {
        koepfe << QString::fromUtf8(Tabellenspalten[std::size_t(k)].kopf);
    }
    tabelle_->setHorizontalHeaderLabels(koepfe);
    spalten->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    spalten->setSectionsClickable(false);
    spalten->setHighlightSections(false);
    spalten->setSectionResizeMode(QHeaderView::Fixed);
    spalten->setStretchLastSection(false);
    spalten->setFixedHeight(zeilenhoehe);
    for (int k = 0; k < TabellenspaltenAnzahl; ++k) {
        tabelle_->setColumnWidth(k, spaltenbreite(k, m.breite));
    }
    QHeaderView* zeilen = tabelle_->verticalHeader();
    zeilen->hide();
    zeilen->setSectionResizeMode(QHeaderView::Fixed);
    zeilen->setMinimumSectionSize(1);
    zeilen->setDefaultSectionSize(zeilenhoehe);

    // The header row is row 0 of the table; a release over it selects nothing.
    spalten->viewport()->installEventFilter(this);
    tabelle->beiLoslassen = [this](QPoint p) {
        const int reihe = tabelle_->rowAt(p.y());
        ben_loeschen(reihe < 0 ? -1 : reihe + 1, tabelle_->columnAt(p.x()));
    };
    tabelle->beiEingabetaste = [this](int reihe, int spalte) { ben_loeschen(reihe + 1, spalte); };

    loeschfeld_ = new QFrame(rahmen);
    loeschfeld_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    loeschfeld_->setLineWidth(2);
    loeschfeld_->setAutoFillBackground(true);
    loeschfeld_->setAccessibleName(QStringLiteral("Benutzer löschen"));
    auto* feld = new QVBoxLayout(loeschfeld_);
    frage_ = new QLabel(loeschfeld_);
    frage_->setTextFormat(Qt::PlainText);
    frage_->setAlignment(Qt::AlignCenter);
    QPalette rot = frage_->palette();
    rot.setColor(QPalette::WindowText, QColor(255, 0, 0));
    frage_->setPalette(rot);
    passwort_ = new QLineEdit(loeschfeld_);
    passwort_->setEchoMode(QLineEdit::Password);
    passwort_->setMaxLength(PasswortHoechstlaenge);
    passwort_->setAccessibleName(QStringLiteral("Zugangswort"));
    loeschen_ = new QPushButton(QStringLiteral("Benutzer löschen"), loeschfeld_);
    loeschen_->setEnabled(false);
    loeschen_->setAutoDefault(false);
    abbruch_ = new QPushButton(QStringLiteral("Abbruch"), loeschfeld_);
    abbruch_->setAutoDefault(false);
    klassen_ = new QPushButton(QStringLiteral("Klassenübersicht"), loeschfeld_);
    klassen_->setToolTip(QStringLiteral("Alle Benutzer mit Lernstand, Übungszeit und Geschwindigkeit"));
    klassen_->setEnabled(false);
    klassen_->setAutoDefault(false);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(passwort_, 1);
    knoepfe->addWidget(loeschen_);
    knoepfe->addWidget(klassen_);
    knoepfe->addWidget(abbruch_);
    feld->addWidget(frage_, 1);
    feld->addLayout(knoepfe);
    loeschfeld_->hide();
    loeschfeld_->installEventFilter(this);
    passwort_->installEventFilter(this);
    // Return in the password box deletes once the access word is in it, Escape cancels.
    connect(passwort_, &QLineEdit::returnPressed, this, [this] {
        zugangPruefen();
        if (loeschen_->isEnabled()) {
            benutzerLoeschen();
        }
    });
    connect(loeschen_, &QPushButton::clicked, this, &BenutzerdateiSeite::benutzerLoeschen);
    connect(abbruch_, &QPushButton::clicked, this, &BenutzerdateiSeite::nichtloeschen);
    connect(klassen_, &QPushButton::clicked, this, &BenutzerdateiSeite::klassenuebersichtVerlangt);

    groessenSetzen(false);
}

void BenutzerdateiSeite::groessenSetzen(bool gross) {
    const Masse& m = masse_;
    // The normal screen leaves room for the welcome text below it; a long list takes that room too.
    const int rand = m.h(100, 231) - m.h(100, 279);
    const QRect seite = entwurf(rahmen_);
    const int seitenhoehe =
        gross ? std::max(m.h(100, 231), m.h(50, 77) + m.h(5, 21) - seite.y()) : m.h(100, 231);
    const int tabellenhoehe = seitenhoehe - rand;
    hoeheSetzen(rahmen_, seitenhoehe);
    const int links = m.s(8);
    const QRect t(links, rand * 3 / 5, seite.width() - 2 * links, tabellenhoehe);
    platzieren(tabelle_, t);

    const int feldbreite = std::min(t.width(), m.s(460));
    const int feldhoehe = std::min(t.height(), m.s(150));
    platzieren(loeschfeld_, QRect(t.x() + (t.width() - feldbreite) / 2, t.y() + (t.height() - feldhoehe) / 2,
                                  feldbreite, feldhoehe));
}

bool BenutzerdateiSeite::fuellen(const std::vector<Benutzerdatensatz>& saetze) {
    loeschfeld_->hide();
    loeschen_->setEnabled(false);
    klassen_->setEnabled(false);
    gewaehlt_ = false;
    tabelle_->clearSelection();
    tabelle_->clearContents();
    tabelle_->setRowCount(int(saetze.size()));
    namen_.clear();
    namen_.reserve(saetze.size());
    for (std::size_t i = 0; i < saetze.size(); ++i) {
        const int reihe = int(i);
        const Tabellenzeile zellen = tabellenzeile(reihe + 1, saetze[i]);
        for (int k = 0; k < TabellenspaltenAnzahl; ++k) {
            auto* zelle = new QTableWidgetItem(text(zellen[std::size_t(k)]));
            zelle->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            zelle->setForeground(Qt::black);
            tabelle_->setItem(reihe, k, zelle);
        }
        namen_.push_back(saetze[i].benutzername);
    }
    groessenSetzen(mehrAlsSiebenBenutzer());
    if (tabelle_->rowCount() > 0) {
        tabelle_->setCurrentCell(0, 1, QItemSelectionModel::NoUpdate);
    }
    // The table takes the keys as soon as it shows.
    tabelle_->setFocus();
    return mehrAlsSiebenBenutzer();
}

bool BenutzerdateiSeite::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == tabelle_->horizontalHeader()->viewport() &&
        ereignis->type() == QEvent::MouseButtonRelease) {
        const auto* maus = static_cast<QMouseEvent*>(ereignis);
        ben_loeschen(0, tabelle_->horizontalHeader()->logicalIndexAt(maus->position().toPoint()));
    }
    // The deletion panel stands in front of the table; the table waits hidden behind it.
    if (objekt == loeschfeld_ &&
        (ereignis->type() == QEvent::ShowToParent || ereignis->type() == QEvent::HideToParent)) {
        tabelle_->setVisible(ereignis->type() == QEvent::HideToParent);
    }
    if (objekt == passwort_ && ereignis->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Escape) {
        nichtloeschen();
        return true;
    }
    return QObject::eventFilter(objekt, ereignis);
}

void BenutzerdateiSeite::ben_loeschen(int zeile, int spalte) {
    loeschen_->setEnabled(false);
    klassen_->setEnabled(false);
    zeile_ = zeile;
    spalte_ = spalte;
    gewaehlt_ = false;
    std::size_t benutzerzahl = 0;
    try {
        benutzerzahl = datei_.alleLesen().size();
    } catch (const Dateifehler& fehler) {
        loeschfeld_->hide();
        tabelle_->clearSelection();
        dateifehlerMelden(QStringLiteral("Die Benutzerdatei kann nicht gelesen werden."), fehler);
        return;
    }
    // A row the table does not show (the file grew meanwhile) cannot be chosen either: its name is unknown.
    const int gezeigt = int(std::min(benutzerzahl, namen_.size()));
    if (spalte < 0 || !benutzerzeileGewaehlt(zeile, gezeigt)) {
        // The panel would otherwise go on asking about a user that is no longer chosen.
        loeschfeld_->hide();
        tabelle_->clearSelection();
        return;
    }
    gewaehlt_ = true;
    tabelle_->selectRow(zeile - 1);
    const QTableWidgetItem* name = tabelle_->item(zeile - 1, 1);
    frage_->setText(text(loeschfrage(zeile, name ? name->text().toStdString() : std::string())));
    passwort_->setMaxLength(PasswortHoechstlaenge);
    // The access word is typed for each selection: one left in the box would unlock the next learner's.
    passwort_->clear();
    loeschfeld_->show();
    loeschfeld_->raise();
    passwort_->setFocus();
}

void BenutzerdateiSeite::benutzerLoeschen() {
    if (!gewaehlt_) {
        return;
    }
    loeschfeld_->hide();
    passwort_->clear();
    tabelle_->setFocus();
    gewaehlt_ = false;
    const std::size_t index = std::size_t(zeile_ - 1);
    const std::optional<std::string> gezeigterName =
        index < namen_.size() ? std::optional<std::string>(namen_[index]) : std::nullopt;
    Loeschergebnis ergebnis;
    std::optional<std::string> verlaufMeldung;
    try {
        ergebnis = datei_.loeschen(zeile_, sitzung_.name, gezeigterName, [&](const std::string& name) {
            if (auchLoeschen) {
                verlaufMeldung = auchLoeschen(name);
            }
        });
    } catch (const Dateifehler& fehler) {
        dateifehlerMelden(
            QStringLiteral("Der Benutzer wurde nicht gelöscht; die Benutzerdatei ist unverändert geblieben."),
            fehler);
        return;
    }
    // The signed-in learner's record as the file now holds it, and where it stands.
    if (ergebnis.angemeldeter) {
        sitzung_.datensatzpuffer = ergebnis.angemeldeter->satz;
        sitzung_.satzposition = ergebnis.angemeldeter->satzposition;
    }
    switch (ergebnis.art) {
    case Loeschergebnis::Art::Verweigert:
        QMessageBox::critical(rahmen_->window(), QApplication::applicationName(),
                              QString::fromUtf8(LoeschenVerweigert), QMessageBox::Ok | QMessageBox::Cancel,
                              QMessageBox::Ok);
        break;
    case Loeschergebnis::Art::NichtVorhanden:
        QMessageBox::information(rahmen_->window(), QApplication::applicationName(),
                                 QStringLiteral("Dieser Benutzer steht nicht mehr in der Benutzerdatei. "
                                                "Die Benutzerliste wird neu angezeigt."));
        emit tabelleVeraltet();
        break;
    case Loeschergebnis::Art::Geloescht:
        if (verlaufMeldung) {
            QMessageBox::warning(rahmen_->window(), QApplication::applicationName(),
                                 QString::fromStdString(*verlaufMeldung));
        }
        emit geloescht();
        break;
    }
}

void BenutzerdateiSeite::nichtloeschen() {
    loeschfeld_->hide();
    passwort_->clear();
    tabelle_->setFocus();
}

void BenutzerdateiSeite::zugangPruefen() {
    // Once enabled, the button stays so until the next selection.
    if (loeschen_->isEnabled() || loeschfeld_->isHidden() || passwort_->text().isEmpty()) {
        return;
    }
    if (zugangswortRichtig(passwort_->text().toStdString())) {
        loeschen_->setEnabled(true);
        klassen_->setEnabled(true);
    }
}

void BenutzerdateiSeite::dateifehlerMelden(const QString& was, const std::exception& fehler) {
    QMessageBox::critical(rahmen_->window(), QApplication::applicationName(),
                          QStringLiteral("%1\n\n%2").arg(was, QString::fromStdString(fehler.what())));
}

} // namespace tastwerk::ui
