#include "ui/hilfefenster.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace tastwerk::ui {

namespace {

// The pages behind the help context numbers of the main window and its screens.
struct Thema {
    int kontextnummer;
    const char* seite;
};
constexpr std::array<Thema, 4> themen{{
    {1, "hauptfenster.html"},     // the main window
    {2, "buchstabenuebung.html"}, // "Buchstabenübung"
    {3, "wortuebung.html"},       // "Wortübung"
    {5, "benutzerdatei.html"},    // "Benutzerdatei einsehen"
}};

constexpr const char* inhaltsseite = "index.html";

} // namespace

Hilfefenster::Hilfefenster(QStringList datenordner, QWidget* parent)
    : QDialog(parent), datenordner_(std::move(datenordner)) {
    setWindowTitle(QStringLiteral("Tastwerk - Hilfe"));
    setModal(false);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);

    for (const QString& ordner : std::as_const(datenordner_)) {
        const QDir hilfe(QDir(ordner).filePath(QStringLiteral("hilfe")));
        if (QFileInfo(hilfe.filePath(QLatin1String(inhaltsseite))).isFile()) {
            seitenordner_ = hilfe.absolutePath();
            break;
        }
    }

    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    browser_->setAccessibleName(QStringLiteral("Hilfetext"));
    if (!seitenordner_.isEmpty()) {
        browser_->setSearchPaths({seitenordner_});
    }

    inhalt_ = new QPushButton(QStringLiteral("&Inhalt"), this);
    zurueck_ = new QPushButton(QStringLiteral("&Zurück"), this);
    vor_ = new QPushButton(QStringLiteral("&Vor"), this);
    auto* schliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    for (QPushButton* k : {inhalt_, zurueck_, vor_, schliessen}) {
        k->setAutoDefault(false);
    }
    zurueck_->setEnabled(false);
    vor_->setEnabled(false);

    connect(inhalt_, &QPushButton::clicked, this, [this] { seiteZeigen(QLatin1String(inhaltsseite)); });
    connect(zurueck_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(vor_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
    connect(browser_, &QTextBrowser::backwardAvailable, zurueck_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, vor_, &QPushButton::setEnabled);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(inhalt_);
    knoepfe->addWidget(zurueck_);
    knoepfe->addWidget(vor_);
    knoepfe->addStretch(1);
    knoepfe->addWidget(schliessen);

    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(knoepfe);
    spalte->addWidget(browser_, 1);

    resize(680, 560);
}

QString Hilfefenster::themenseite(int kontextnummer) {
    for (const Thema& t : themen) {
        if (t.kontextnummer == kontextnummer) {
            return QLatin1String(t.seite);
        }
    }
    return QLatin1String(inhaltsseite);
}

void Hilfefenster::inhaltZeigen() {
    seiteZeigen(QLatin1String(inhaltsseite));
    vorneZeigen();
}

void Hilfefenster::themaZeigen(int kontextnummer) {
    seiteZeigen(themenseite(kontextnummer));
    vorneZeigen();
}

void Hilfefenster::seiteZeigen(const QString& datei) {
    const QString pfad = seitenordner_.isEmpty() ? QString() : QDir(seitenordner_).filePath(datei);
    if (pfad.isEmpty() || !QFileInfo(pfad).isFile()) {
        nichtGefundenZeigen(datei);
        return;
    }
    const QUrl ziel = QUrl::fromLocalFile(pfad);
    if (browser_->source() == ziel) {
        browser_->reload(); // also replaces a message shown in its place
    } else {
        browser_->setSource(ziel);
    }
}

void Hilfefenster::nichtGefundenZeigen(const QString& datei) {
    QString gesucht;
    if (seitenordner_.isEmpty()) {
        for (const QString& ordner : std::as_const(datenordner_)) {
            gesucht += QStringLiteral("<li>%1</li>")
                           .arg(QDir(ordner)
                                    .filePath(QStringLiteral("hilfe/") + QLatin1String(inhaltsseite))
                                    .toHtmlEscaped());
        }
    } else {
        gesucht = QStringLiteral("<li>%1</li>").arg(QDir(seitenordner_).filePath(datei).toHtmlEscaped());
    }
    browser_->clearHistory();
    browser_->setHtml(
        QStringLiteral("<h2>Die Hilfe ist nicht verfügbar</h2>"
                       "<p>Die Hilfeseiten von Tastwerk wurden nicht gefunden.</p>"
                       "<p>Gesucht wurde:</p><ul>%1</ul>"
                       "<p>Bitte prüfen Sie, ob Tastwerk vollständig installiert ist.</p>")
            .arg(gesucht.isEmpty() ? QStringLiteral("<li>(kein Ordner angegeben)</li>") : gesucht));
    zurueck_->setEnabled(false);
    vor_->setEnabled(false);
}

void Hilfefenster::vorneZeigen() {
    show();
    raise();
    activateWindow();
}

} // namespace tastwerk::ui
