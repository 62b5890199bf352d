#include "testhilfen.h"

#include "ui/namensfeld.h"
#include "ui/seiten.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDialog>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

namespace tastwerk::test {

void tasteDruecken(QWidget* ziel, int taste, const QString& text) {
    QKeyEvent druck(QEvent::KeyPress, taste, Qt::NoModifier, text);
    QApplication::sendEvent(ziel, &druck);
    QKeyEvent los(QEvent::KeyRelease, taste, Qt::NoModifier, text);
    QApplication::sendEvent(ziel, &los);
}

void tippen(QWidget* ziel, const QString& text) {
    for (const QChar c : text) {
        const int taste = c.isLetter() ? int(c.toUpper().unicode()) : int(c.unicode());
        tasteDruecken(ziel, taste, QString(c));
    }
}

QPushButton* hauptmenueKnopf(ui::Hauptfenster& fenster, const QString& beschriftung) {
    for (QPushButton* k : fenster.seiten().hauptmenue->findChildren<QPushButton*>()) {
        if (k->text() == beschriftung) {
            return k;
        }
    }
    qFatal("Hauptmenü hat keinen Knopf %s", qPrintable(beschriftung));
}

std::optional<QFont> schriftdialogMitOk(const std::function<void()>& oeffnen) {
    std::optional<QFont> gezeigt;
    QTimer beobachter;
    beobachter.setInterval(20);
    QObject::connect(&beobachter, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget())) {
            gezeigt = dialog->currentFont();
            dialog->accept();
        }
    });
    beobachter.start();
    oeffnen();
    return gezeigt;
}

Meldungsantwort::Meldungsantwort(QMessageBox::StandardButton knopf, int hoechstensMs) : timer_(new QTimer) {
    auto beantwortet = beantwortet_;
    auto text = text_;
    auto titel = titel_;
    auto* timer = timer_;
    auto bis = std::make_shared<int>(hoechstensMs / 20);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        if (--*bis < 0) {
            timer->stop();
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        *text = box->text();
        *titel = box->windowTitle();
        *beantwortet = true;
        timer->stop();
        if (QAbstractButton* b = box->button(knopf)) {
            b->click();
        } else {
            box->reject();
        }
    });
    timer->start();
}

Meldungsantwort::~Meldungsantwort() {
    delete timer_;
}

Meldungsbeantworter::Meldungsbeantworter() : timer_(new QTimer) {
    auto titel = titel_;
    auto texte = texte_;
    timer_->setInterval(10);
    QObject::connect(timer_, &QTimer::timeout, timer_, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        titel->append(box->windowTitle());
        texte->append(box->text());
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
            ok->click();
        } else if (QAbstractButton* ja = box->button(QMessageBox::Yes)) {
            ja->click();
        } else {
            box->accept();
        }
    });
    timer_->start();
}

Meldungsbeantworter::~Meldungsbeantworter() {
    delete timer_;
}

Testfenster::Testfenster(QSize schirm, double schirmDpi) : bildschirm(schirm), dpi(schirmDpi) {
    datentraeger.frei = 1ull << 30;
    neuStarten();
}

void Testfenster::neuStarten() {
    fenster.reset();
    ui::Umgebung u;
    u.uhr = &uhr;
    u.klang = &klang;
    u.datentraeger = &datentraeger;
    u.programmordner = QString::fromStdString(ordner.pfad());
    u.bildschirm = bildschirm;
    u.dpi = dpi;
    fenster = std::make_unique<ui::Hauptfenster>(u);
    fenster->setGeometry(0, 0, bildschirm.width(), bildschirm.height());
    fenster->show();
}

void Testfenster::beenden() {
    Meldungsantwort ja(QMessageBox::Yes);
    fenster->aktionen().beenden->trigger();
    if (!ja.beantwortet() || fenster->isVisible()) {
        qFatal("Tastwerk beenden ? wurde nicht gefragt oder das Fenster blieb offen");
    }
}

void Testfenster::anmelden(const QString& name) {
    tippen(fenster->namensfeld(), name);
    tasteDruecken(fenster->namensfeld(), Qt::Key_Return, QStringLiteral("\r"));
}

} // namespace tastwerk::test
