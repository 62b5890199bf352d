#include "ui/infofenster.h"

#include "ui/logo.h"
#include "ui/zugaenglichkeit.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tastwerk::ui {

namespace {

// The picture of the box: the program's logo.
class Infobild : public QWidget {
public:
    explicit Infobild(QWidget* parent) : QWidget(parent) {
        setFixedSize(72, 72);
        alsBildZeigen(this, QStringLiteral("Tastwerk-Logo"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        logoZeichnen(maler, QRectF(rect()));
    }
};

QLabel* zeile(const QString& text, QWidget* parent, int groesserUm = 0, bool fett = false) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    QFont schrift = label->font();
    if (groesserUm != 0 && schrift.pointSizeF() > 0) {
        schrift.setPointSizeF(schrift.pointSizeF() + groesserUm);
    }
    schrift.setBold(fett);
    label->setFont(schrift);
    return label;
}

} // namespace

Infofenster::Infofenster(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Info über Tastwerk"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* rahmen = new QFrame(this);
    rahmen->setFrameShape(QFrame::StyledPanel);
    rahmen->setFrameShadow(QFrame::Sunken);

    auto* texte = new QVBoxLayout;
    texte->addWidget(zeile(QStringLiteral("Tastwerk"), rahmen, 6, true));
    texte->addWidget(zeile(QStringLiteral("für Windows 95/ NT"), rahmen));
    texte->addSpacing(10);
    texte->addWidget(zeile(QStringLiteral("Version 2.7"), rahmen));
    texte->addWidget(zeile(QStringLiteral("Juli 1997"), rahmen));
    texte->addStretch(1);

    auto* innen = new QHBoxLayout(rahmen);
    innen->setContentsMargins(14, 14, 24, 14);
    innen->setSpacing(18);
    innen->addWidget(new Infobild(rahmen), 0, Qt::AlignTop);
    innen->addLayout(texte);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(rahmen);
    spalte->addWidget(ok_, 0, Qt::AlignHCenter);
    spalte->setSizeConstraint(QLayout::SetFixedSize);
}

void Infofenster::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    const QScreen* schirm = screen() ? screen() : QGuiApplication::primaryScreen();
    if (schirm) {
        QRect lage = frameGeometry();
        lage.moveCenter(schirm->availableGeometry().center());
        move(lage.topLeft());
    }
}

} // namespace tastwerk::ui
