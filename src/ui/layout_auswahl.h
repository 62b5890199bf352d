// The settings group "Tastaturlayout": a radio button per layout with a small flag beside it; the flag
// acts like its radio button.
#pragma once

#include "keyboard/grundbegriffe.h"

#include <QGroupBox>

#include <array>

class QRadioButton;

namespace tastwerk::ui {

class LayoutAuswahl : public QGroupBox {
    Q_OBJECT
public:
    explicit LayoutAuswahl(QWidget* parent = nullptr);

    // Checks the layout's radio button and clears the other two, without emitting `layoutGewaehlt`.
    using QWidget::setLayout;
    void setLayout(Tastaturlayout layout);

    QRadioButton* knopf(Tastaturlayout layout) const;
    QWidget* bild(Tastaturlayout layout) const;

signals:
    // The learner clicked a radio button or its flag.
    void layoutGewaehlt(tastwerk::Tastaturlayout layout);

private:
    std::array<QRadioButton*, LayoutAnzahl> knoepfe_{};
    std::array<QWidget*, LayoutAnzahl> bilder_{};
};

} // namespace tastwerk::ui
