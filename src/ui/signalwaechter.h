// Turns the termination signals (SIGTERM, SIGHUP, SIGINT) into a Qt signal on the main thread.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace tastwerk::ui {

class Signalwaechter : public QObject {
    Q_OBJECT
public:
    explicit Signalwaechter(QObject* parent = nullptr);
    ~Signalwaechter() override;

signals:
    void beendenVerlangt();

private:
    QSocketNotifier* melder_ = nullptr;
};

} // namespace tastwerk::ui
