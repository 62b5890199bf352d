#include "ui/signalwaechter.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tastwerk::ui {

namespace {
int rohr[2] = {-1, -1};

extern "C" void beiSignal(int) {
    const char zeichen = 1;
    [[maybe_unused]] const auto n = ::write(rohr[1], &zeichen, 1);
}
} // namespace

Signalwaechter::Signalwaechter(QObject* parent) : QObject(parent) {
    if (::pipe2(rohr, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    melder_ = new QSocketNotifier(rohr[0], QSocketNotifier::Read, this);
    connect(melder_, &QSocketNotifier::activated, this, [this] {
        char puffer[16];
        while (::read(rohr[0], puffer, sizeof puffer) > 0) {
        }
        emit beendenVerlangt();
    });
    struct sigaction aktion {};
    aktion.sa_handler = beiSignal;
    sigemptyset(&aktion.sa_mask);
    aktion.sa_flags = SA_RESTART;
    for (int nummer : {SIGTERM, SIGHUP, SIGINT}) {
        ::sigaction(nummer, &aktion, nullptr);
    }
}

Signalwaechter::~Signalwaechter() {
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    for (int nummer : {SIGTERM, SIGHUP, SIGINT}) {
        ::sigaction(nummer, &standard, nullptr);
    }
}

} // namespace tastwerk::ui
