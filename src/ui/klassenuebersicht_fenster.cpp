#include "ui/klassenuebersicht_fenster.h"

#include "platform/datei.h"
#include "session/benutzerdatei.h"
#include "ui/druckausgabe.h"
#include "ui/lernverlauf_fenster.h"
#include "verlauf/csv.h"
#include "verlauf/klassenuebersicht.h"
#include "verlauf/lernverlauf.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace tastwerk::ui {

namespace {

const QStringList Spalten = {
    QStringLiteral("Name"),
    QStringLiteral("Lektion"),
    QStringLiteral("Benutzungen"),
    QStringLiteral("Übungen"),
    QStringLiteral("Übungszeit"),
    QStringLiteral("Letzte Benutzung"),
    QStringLiteral("Anschläge pro Minute"),
    QStringLiteral("Fehlerquote"),
    QStringLiteral("Trend Anschläge"),
    QStringLiteral("Trend Fehlerquote"),
};

// A cell that sorts by the value it stands for, not by its text.
class Zelle : public QTableWidgetItem {
public:
    Zelle(const QString& text, QVariant schluessel) : QTableWidgetItem(text) {
        setData(Qt::UserRole, std::move(schluessel));
        setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    bool operator<(const QTableWidgetItem& andere) const override {
        const QVariant a = data(Qt::UserRole);
        const QVariant b = andere.data(Qt::UserRole);
        if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString) {
            return a.toString().localeAwareCompare(b.toString()) < 0;
        }
        return a.toDouble() < b.toDouble();
    }
};

QString mitVorzeichen(double wert, int stellen) {
    const QString text = QString::number(wert, 'f', stellen);
    return wert > 0 && text.toDouble() != 0 ? QStringLiteral("+") + text : text;
}

QTableWidgetItem* zahlzelle(const std::optional<double>& wert, int stellen, bool vorzeichen = false) {
    if (!wert) {
        // Learners without a value sort below every value.
        return new Zelle(QStringLiteral("–"), -1e300);
    }
    auto* z =
        new Zelle(vorzeichen ? mitVorzeichen(*wert, stellen) : QString::number(*wert, 'f', stellen), *wert);
    z->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return z;
}

} // namespace

KlassenuebersichtFenster::KlassenuebersichtFenster(std::string ordner, QWidget* parent)
    : QDialog(parent), ordner_(std::move(ordner)) {
    setWindowTitle(QStringLiteral("Tastwerk - Klassenübersicht"));
    setModal(false);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);

    tabelle_ = new QTableWidget(0, int(Spalten.size()), this);
    tabelle_->setHorizontalHeaderLabels(Spalten);
    tabelle_->setAccessibleName(QStringLiteral("Klassenübersicht"));
    tabelle_->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    tabelle_->setSortingEnabled(true);
    tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->verticalHeader()->hide();
    tabelle_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabelle_->horizontalHeader()->setStretchLastSection(true);

    auto* knoepfe = new QDialogButtonBox(this);
    auto* csv = knoepfe->addButton(QStringLiteral("Als &CSV speichern …"), QDialogButtonBox::ActionRole);
    auto* pdf = knoepfe->addButton(QStringLiteral("Als &PDF speichern …"), QDialogButtonBox::ActionRole);
    auto* druck = knoepfe->addButton(QStringLiteral("&Drucken …"), QDialogButtonBox::ActionRole);
    auto* schliessen = knoepfe->addButton(QStringLiteral("&Schließen"), QDialogButtonBox::RejectRole);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
    // Asks where to save, proposing the class folder, and saves there.
    const auto speichernUnter = [this](const QString& titel, const QString& datei, const QString& filter,
                                       bool (KlassenuebersichtFenster::*speichern)(const QString&)) {
        const QString pfad =
            QFileDialog::getSaveFileName(this, titel, QString::fromStdString(ordner_) + datei, filter);
        if (!pfad.isEmpty()) {
            (this->*speichern)(pfad);
        }
    };
    connect(csv, &QPushButton::clicked, this, [speichernUnter] {
        speichernUnter(QStringLiteral("Klassenübersicht als CSV speichern"),
                       QStringLiteral("/Klassenuebersicht.csv"), QStringLiteral("CSV-Dateien (*.csv)"),
                       &KlassenuebersichtFenster::csvSpeichern);
    });
    connect(pdf, &QPushButton::clicked, this, [speichernUnter] {
        speichernUnter(QStringLiteral("Klassenübersicht als PDF speichern"),
                       QStringLiteral("/Klassenuebersicht.pdf"), QStringLiteral("PDF-Dateien (*.pdf)"),
                       &KlassenuebersichtFenster::pdfSpeichern);
    });
    connect(druck, &QPushButton::clicked, this, [this] {
        if (Druckausgabe* ausgabe = druckbar()) {
            ausgabe->drucken(alsHtml(), this);
        }
    });

    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(tabelle_);
    aussen->addWidget(knoepfe);
    resize(980, 520);
}

void KlassenuebersichtFenster::zeigen() {
    fuellen();
    show();
    raise();
    activateWindow();
}

void KlassenuebersichtFenster::fuellen() {
    std::vector<Benutzerdatensatz> saetze;
    try {
        saetze = Benutzerdatei(ordner_).alleLesen();
    } catch (const Dateifehler& f) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(f.what()));
    }
    Lernverlauf verlauf(ordner_);
    const auto zeilen = klassenuebersicht(saetze, verlauf.summen());
    if (const auto meldung = verlauf.meldungAbholen()) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(*meldung));
    }
    tabelle_->setSortingEnabled(false);
    tabelle_->setRowCount(int(zeilen.size()));
    for (int r = 0; r < int(zeilen.size()); ++r) {
        const Klassenzeile& z = zeilen[std::size_t(r)];
        const QString name = QString::fromStdString(z.name);
        const QString datum = QString::fromStdString(z.letzteBenutzung);
        const QString isoDatum = datum.mid(6, 4) + datum.mid(3, 2) + datum.left(2);
        tabelle_->setItem(r, 0, new Zelle(name, name));
        tabelle_->setItem(r, 1,
                          new Zelle(QStringLiteral("%1 %2").arg(z.lektion).arg(z.stufe == 0 ? 'B' : 'W'),
                                    z.lektion * 2 + z.stufe));
        tabelle_->setItem(r, 2, zahlzelle(double(z.benutzungen), 0));
        tabelle_->setItem(r, 3, zahlzelle(double(z.uebungen), 0));
        tabelle_->setItem(r, 4, new Zelle(dauerText(z.sekunden), double(z.sekunden)));
        tabelle_->setItem(r, 5, new Zelle(datum, isoDatum.toDouble()));
        tabelle_->setItem(r, 6, zahlzelle(z.tempo, 0));
        tabelle_->setItem(r, 7, zahlzelle(z.fehlerquote, 2));
        tabelle_->setItem(r, 8, zahlzelle(z.tempoTrend, 1, true));
        tabelle_->setItem(r, 9, zahlzelle(z.fehlerTrend, 2, true));
    }
    tabelle_->setSortingEnabled(true);
    // Wide enough for every column, as far as the screen allows.
    tabelle_->resizeColumnsToContents();
    int breite = tabelle_->frameWidth() * 2 + tabelle_->verticalScrollBar()->sizeHint().width() + 40;
    for (int c = 0; c < tabelle_->columnCount(); ++c) {
        breite += tabelle_->columnWidth(c);
    }
    const QRect schirm = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(std::min(std::max(width(), breite), schirm.width() * 19 / 20), height());
}

bool KlassenuebersichtFenster::csvSpeichern(const QString& pfad) {
    if (const auto meldung = klassenlisteAusgeben(ordner_, pfad.toStdString())) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(*meldung));
        return false;
    }
    return true;
}

QString KlassenuebersichtFenster::alsHtml() const {
    QString html = QStringLiteral(
        "<h2>Klassenübersicht</h2><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>");
    for (const QString& s : Spalten) {
        html += QStringLiteral("<th>%1</th>").arg(s.toHtmlEscaped());
    }
    html += QStringLiteral("</tr>");
    for (int r = 0; r < tabelle_->rowCount(); ++r) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < tabelle_->columnCount(); ++c) {
            const QTableWidgetItem* z = tabelle_->item(r, c);
            html += QStringLiteral("<td>%1</td>").arg(z ? z->text().toHtmlEscaped() : QString());
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

Druckausgabe* KlassenuebersichtFenster::druckbar() {
    Druckausgabe* ausgabe = druckausgabe();
    if (ausgabe == nullptr) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Das Drucken ist nicht verfügbar: Die Druckbibliothek des "
                                            "Programms fehlt."));
    }
    return ausgabe;
}

bool KlassenuebersichtFenster::pdfSpeichern(const QString& pfad) {
    Druckausgabe* ausgabe = druckbar();
    if (ausgabe == nullptr) {
        return false;
    }
    ausgabe->pdfSchreiben(alsHtml(), pfad);
    if (!QFileInfo(pfad).isFile()) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.").arg(pfad));
        return false;
    }
    return true;
}

} // namespace tastwerk::ui
