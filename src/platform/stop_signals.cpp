#include "platform/stop_signals.h"

#include <csignal>

namespace orvant {

namespace {

volatile std::sig_atomic_t stopCame = 0;

extern "C" void noteStop(int) {
    stopCame = 1;
}

}  // namespace

void catchStopSignals() {
    struct sigaction action {};
    action.sa_handler = noteStop;
    sigemptyset(&action.sa_mask);
    // The handler gives way to the default after the first signal: a second one ends at once.
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool stopSignalled() {
    return stopCame != 0;
}

}  // namespace orvant
