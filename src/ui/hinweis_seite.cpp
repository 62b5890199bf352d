#include "ui/hinweis_seite.h"

#include "ui/farben.h"
#include "ui/umrissschrift.h"

#include <QVBoxLayout>

namespace tastwerk::ui {

namespace {
constexpr int ZeilenLinks = 9;
constexpr int ZeilenRechts = 7;

QLabel* zeile(QWidget* eltern, const QFont& schrift) {
    auto* l = new Farbtext(eltern);
    l->setFont(schrift);
    l->setTextFormat(Qt::PlainText);
    return l;
}
} // namespace

QString beschriftungAnzeigen(const std::string& utf8) {
    return QString::fromStdString(utf8).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

HinweisSeite::HinweisSeite(QGroupBox* rahmen, const Masse& m) : QObject(rahmen), rahmen_(rahmen) {
    QFont gross(QStringLiteral("Times New Roman"));
    gross.setPointSize(m.skaliertePunkte(18));
    gross.setBold(true);
    QFont normal(QStringLiteral("Times New Roman"));
    normal.setPointSize(m.skaliertePunkte(13));

    const int breite = rahmen->width();
    titel_ = zeile(rahmen, gross);
    titel_->setGeometry(m.s(16), m.s(22), breite - m.s(32), m.s(30));
    unterueberschrift_ = zeile(rahmen, normal);
    unterueberschrift_->setGeometry(m.s(16), m.s(54), breite - m.s(32), m.s(22));
    const int zeilenhoehe = m.s(22);
    for (int k = 0; k < ZeilenLinks; ++k) {
        QLabel* l = zeile(rahmen, normal);
        l->setGeometry(m.s(32), m.s(78) + k * zeilenhoehe, breite / 2 + m.s(150), zeilenhoehe);
        zeilen_.push_back(l);
    }
    for (int k = 0; k < ZeilenRechts; ++k) {
        QLabel* l = zeile(rahmen, normal);
        l->setGeometry(breite / 2 + m.s(16), m.s(78) + k * zeilenhoehe, breite / 2 - m.s(32), zeilenhoehe);
        rechts_.push_back(l);
    }
    tiprahmen_ = new QFrame(rahmen);
    tiprahmen_->setFrameShape(QFrame::Box);
    // Its own name: without one a screen reader would give it the group's title a second time.
    tiprahmen_->setAccessibleName(QStringLiteral("Tipp"));
    tiprahmen_->setGeometry(m.s(32), m.s(78) + ZeilenLinks * zeilenhoehe + m.s(8), m.s(420), m.s(58));
    auto* tipSpalte = new QVBoxLayout(tiprahmen_);
    tipSpalte->setContentsMargins(m.s(8), m.s(4), m.s(8), m.s(4));
    QPalette rot; // only the text colour is their own
    rot.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0x00));
    for (auto& t : tip_) {
        t = zeile(tiprahmen_, normal);
        t->setPalette(rot);
        tipSpalte->addWidget(t);
    }
    start_ = new QPushButton(QStringLiteral("&Start mit Lektion 1"), rahmen);
    start_->setGeometry(breite - m.s(220), tiprahmen_->y() + m.s(11), m.s(200), m.s(32));
    rahmen->setAutoFillBackground(true);
    rahmen->resize(rahmen->width(), tiprahmen_->y() + tiprahmen_->height() + m.s(12));
    start_->setDefault(true);
    connect(start_, &QPushButton::clicked, this, &HinweisSeite::startGedrueckt);
}

void HinweisSeite::fuellen(int lektion, const Hinweistext& text, const std::array<Farbe, 5>& farben) {
    rahmen_->setTitle(QStringLiteral("Hinweistext zu Lektion %1").arg(lektion));
    start_->setText(QStringLiteral("&Start mit Lektion %1").arg(lektion));
    titel_->setText(QString::fromStdString(text.titel));
    unterueberschrift_->setText(QString::fromStdString(text.unterueberschrift));
    unterueberschrift_->setHidden(unterueberschrift_->text().isEmpty());
    auto belegen = [&](const std::vector<QLabel*>& labels, const std::vector<Hinweiszeile>& inhalt) {
        for (std::size_t k = 0; k < labels.size(); ++k) {
            QLabel* l = labels[k];
            // An empty line is hidden, so that a screen reader does not read it.
            const QString zeile = k < inhalt.size() ? beschriftungAnzeigen(inhalt[k].text) : QString();
            l->setText(zeile);
            l->setHidden(zeile.isEmpty());
            if (zeile.isEmpty()) {
                continue;
            }
            const QColor farbe = inhalt[k].farbe
                                     ? alsQColor(farben[static_cast<std::size_t>(int(*inhalt[k].farbe) - 1)])
                                     : QColor(Qt::black);
            QPalette p = l->palette();
            p.setColor(QPalette::WindowText, farbe);
            l->setPalette(p);
        }
    };
    belegen(zeilen_, text.zeilen);
    belegen(rechts_, text.rechteSpalte);
    tiprahmen_->setVisible(text.tipSichtbar);
    for (std::size_t k = 0; k < tip_.size(); ++k) {
        tip_[k]->setText(QString::fromStdString(text.tip[k]));
        tip_[k]->setHidden(tip_[k]->text().isEmpty());
    }
}

} // namespace tastwerk::ui
