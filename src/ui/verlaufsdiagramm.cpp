#include "ui/verlaufsdiagramm.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tastwerk::ui {

namespace {

const QColor TempoFarbe(0x1F, 0x5F, 0xBF);
const QColor FehlerFarbe(0xC0, 0x39, 0x2B);
const QColor GitterFarbe(0xD8, 0xD8, 0xD8);
constexpr int Striche = 5;

QString zahl(double wert) {
    return QString::number(wert, 'f', wert < 10 && wert != std::floor(wert) ? 1 : 0);
}

} // namespace

double runderSkalenwert(double hoechster) {
    if (hoechster <= 0) {
        return 1;
    }
    const double zehner = std::pow(10.0, std::floor(std::log10(hoechster)));
    for (const double faktor : {1.0, 2.0, 5.0, 10.0}) {
        if (hoechster <= faktor * zehner + 1e-9) {
            return faktor * zehner;
        }
    }
    return 10 * zehner;
}

Verlaufsdiagramm::Verlaufsdiagramm(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Verlauf von Geschwindigkeit und Fehlerquote"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    beschreibungSetzen();
}

void Verlaufsdiagramm::setzen(std::vector<Verlaufspunkt> punkte, double wunschTempo,
                              double wunschFehlerrate) {
    punkte_ = std::move(punkte);
    wunschTempo_ = wunschTempo;
    wunschFehlerrate_ = wunschFehlerrate;
    double tempo = wunschTempo_, fehler = wunschFehlerrate_;
    for (const Verlaufspunkt& p : punkte_) {
        tempo = std::max(tempo, p.tempo);
        fehler = std::max(fehler, p.fehlerquote);
    }
    tempoSkala_ = runderSkalenwert(tempo * 1.05);
    fehlerSkala_ = runderSkalenwert(std::max(fehler * 1.05, 1.0));
    beschreibungSetzen();
    update();
}

void Verlaufsdiagramm::beschreibungSetzen() {
    if (punkte_.empty()) {
        setAccessibleDescription(QStringLiteral("Noch keine Übungen aufgezeichnet."));
        return;
    }
    const Verlaufspunkt& letzter = punkte_.back();
    setAccessibleDescription(QStringLiteral("%1 Übungen; zuletzt %2 Anschläge pro Minute und %3 % Fehler")
                                 .arg(punkte_.size())
                                 .arg(QString::number(letzter.tempo, 'f', 0))
                                 .arg(QString::number(letzter.fehlerquote, 'f', 2)));
}

void Verlaufsdiagramm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm = fontMetrics();
    const int rand = fm.horizontalAdvance(QStringLiteral("0000")) + 8;
    const QRect flaeche = rect().adjusted(rand, fm.height() + 8, -rand, -fm.height() - 6);
    if (flaeche.width() < 10 || flaeche.height() < 10) {
        return;
    }

    // Legend above the plot.
    int x = flaeche.left();
    const int legendeY = fm.ascent() + 2;
    const auto legende = [&](const QColor& farbe, Qt::PenStyle stil, const QString& text) {
        p.setPen(QPen(farbe, 2, stil));
        p.drawLine(x, legendeY - fm.ascent() / 3, x + 18, legendeY - fm.ascent() / 3);
        p.setPen(palette().color(QPalette::Text));
        p.drawText(x + 22, legendeY, text);
        x += 22 + fm.horizontalAdvance(text) + 16;
    };
    legende(TempoFarbe, Qt::SolidLine, QStringLiteral("Anschläge pro Minute"));
    legende(FehlerFarbe, Qt::SolidLine, QStringLiteral("Fehlerquote (%)"));
    legende(palette().color(QPalette::Text), Qt::DashLine, QStringLiteral("Lernziel"));

    // Grid and the two axes.
    for (int i = 0; i <= Striche; ++i) {
        const double anteil = double(i) / Striche;
        const int y = flaeche.bottom() - int(std::lround(anteil * flaeche.height()));
        p.setPen(QPen(GitterFarbe, 1));
        p.drawLine(flaeche.left(), y, flaeche.right(), y);
        p.setPen(TempoFarbe);
        p.drawText(QRect(0, y - fm.height() / 2, rand - 6, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   zahl(anteil * tempoSkala_));
        p.setPen(FehlerFarbe);
        p.drawText(QRect(flaeche.right() + 6, y - fm.height() / 2, rand - 6, fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, zahl(anteil * fehlerSkala_));
    }

    const auto yTempo = [&](double w) { return flaeche.bottom() - w / tempoSkala_ * flaeche.height(); };
    const auto yFehler = [&](double w) { return flaeche.bottom() - w / fehlerSkala_ * flaeche.height(); };
    p.setPen(QPen(TempoFarbe, 1.5, Qt::DashLine));
    p.drawLine(QPointF(flaeche.left(), yTempo(wunschTempo_)), QPointF(flaeche.right(), yTempo(wunschTempo_)));
    p.setPen(QPen(FehlerFarbe, 1.5, Qt::DashLine));
    p.drawLine(QPointF(flaeche.left(), yFehler(wunschFehlerrate_)),
               QPointF(flaeche.right(), yFehler(wunschFehlerrate_)));

    p.setPen(palette().color(QPalette::Text));
    if (punkte_.empty()) {
        p.drawText(flaeche, Qt::AlignCenter, QStringLiteral("Noch keine Übungen aufgezeichnet."));
        return;
    }
    p.drawText(QRect(flaeche.left(), flaeche.bottom() + 4, flaeche.width(), fm.height()), Qt::AlignLeft,
               QStringLiteral("1"));
    p.drawText(QRect(flaeche.left(), flaeche.bottom() + 4, flaeche.width(), fm.height()), Qt::AlignRight,
               QStringLiteral("%1 Übungen").arg(punkte_.size()));

    // One point per exercise, or the mean of the exercises that share a pixel column.
    const int spalten = std::max(1, std::min<int>(int(punkte_.size()), flaeche.width()));
    QPolygonF tempo, fehler;
    tempo.reserve(spalten);
    fehler.reserve(spalten);
    const double n = double(punkte_.size());
    for (int s = 0; s < spalten; ++s) {
        const auto von = std::size_t(std::floor(s * n / spalten));
        const auto bis = std::max(von + 1, std::size_t(std::floor((s + 1) * n / spalten)));
        double t = 0, f = 0;
        for (std::size_t i = von; i < bis; ++i) {
            t += punkte_[i].tempo;
            f += punkte_[i].fehlerquote;
        }
        const double anzahl = double(bis - von);
        const double xs = spalten == 1 ? flaeche.center().x()
                                       : flaeche.left() + double(s) / (spalten - 1) * flaeche.width();
        tempo << QPointF(xs, yTempo(t / anzahl));
        fehler << QPointF(xs, yFehler(f / anzahl));
    }
    // Many points: thin aliased lines, which Qt draws many times faster than smoothed wide ones.
    const bool viele = spalten > 200;
    p.setRenderHint(QPainter::Antialiasing, !viele);
    p.setPen(QPen(FehlerFarbe, viele ? 1 : 1.5));
    p.drawPolyline(fehler);
    p.setPen(QPen(TempoFarbe, viele ? 1 : 2));
    p.drawPolyline(tempo);
    p.setRenderHint(QPainter::Antialiasing);
    if (spalten == int(punkte_.size()) && spalten <= 200) {
        // Each exercise is a point, so that a single one shows too; passed ones are filled.
        for (int i = 0; i < spalten; ++i) {
            p.setPen(QPen(FehlerFarbe, 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(fehler[i], 2.5, 2.5);
            p.setPen(QPen(TempoFarbe, 1.5));
            p.setBrush(punkte_[std::size_t(i)].bestanden ? QBrush(TempoFarbe) : QBrush(Qt::white));
            p.drawEllipse(tempo[i], 3.5, 3.5);
        }
    }
}

Zeitdiagramm::Zeitdiagramm(QWidget* parent) : QWidget(parent) {
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void Zeitdiagramm::setzen(std::vector<Zeitabschnitt> abschnitte, bool wochen) {
    abschnitte_ = std::move(abschnitte);
    wochen_ = wochen;
    QStringList teile;
    for (const Zeitabschnitt& a : abschnitte_) {
        teile << QStringLiteral("%1: %2 Minuten")
                     .arg(QString::fromStdString(a.beginn))
                     .arg(QString::number(double(a.sekunden) / 60.0, 'f', 0));
    }
    setAccessibleDescription(teile.join(QStringLiteral("; ")));
    update();
}

void Zeitdiagramm::paintEvent(QPaintEvent*) {
    if (abschnitte_.empty()) {
        return;
    }
    QPainter p(this);
    const QFontMetrics fm = fontMetrics();
    const QRect flaeche = rect().adjusted(8, fm.height() + 4, -8, -fm.height() - 4);
    std::uint64_t hoechste = 60;
    for (const Zeitabschnitt& a : abschnitte_) {
        hoechste = std::max(hoechste, a.sekunden);
    }
    const double breite = double(flaeche.width()) / double(abschnitte_.size());
    for (std::size_t i = 0; i < abschnitte_.size(); ++i) {
        const Zeitabschnitt& a = abschnitte_[i];
        const double hoehe = double(a.sekunden) / double(hoechste) * flaeche.height();
        const QRectF balken(flaeche.left() + i * breite + breite * 0.15, flaeche.bottom() - hoehe,
                            breite * 0.7, hoehe);
        p.fillRect(balken, TempoFarbe);
        const QString tag = QString::fromStdString(
            a.beginn.size() >= 10 ? a.beginn.substr(8, 2) + "." + (wochen_ ? a.beginn.substr(5, 2) + "." : "")
                                  : a.beginn);
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QRectF(flaeche.left() + i * breite, flaeche.bottom() + 2, breite, fm.height()),
                   Qt::AlignCenter, tag);
        if (a.sekunden > 0) {
            const QString minuten =
                a.sekunden < 30 ? QStringLiteral("<1") : QString::number(double(a.sekunden) / 60.0, 'f', 0);
            p.drawText(QRectF(flaeche.left() + i * breite, balken.top() - fm.height(), breite, fm.height()),
                       Qt::AlignCenter, minuten);
        }
    }
}

} // namespace tastwerk::ui
