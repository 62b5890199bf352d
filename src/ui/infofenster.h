// The About box: product name, platform, version and date beside the program's logo.
#pragma once

#include <QDialog>

class QPushButton;

namespace tastwerk::ui {

class Infofenster : public QDialog {
    Q_OBJECT
public:
    explicit Infofenster(QWidget* parent = nullptr);
    QPushButton* okKnopf() const { return ok_; }

protected:
    // Centres the box on the screen each time it opens.
    void showEvent(QShowEvent* e) override;

private:
    QPushButton* ok_;
};

} // namespace tastwerk::ui
