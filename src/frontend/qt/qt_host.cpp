#include "frontend/qt/qt_host.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>

namespace orvant {

namespace {

// The window is brought in line with the model at most this often: readouts that change on every
// loop pass are painted four times a second, which still reads as live, and the model itself
// stays exact. Every painting costs far more than a pass, so this sets the window's cost.
constexpr qint64 kRenderPeriodMs = 250;
// The toolkit gets its turn at most this often while the program runs or waits only briefly (a
// loop pass waits 40 ms): the operator's input and the repaints lag by no more than this, and the
// passes cost little more than headless ones. Longer waits sleep in the toolkit's dispatcher and
// wake at once for the operator.
constexpr qint64 kToolkitPeriodMs = 100;

}  // namespace

QtHost::QtHost(Host& inner, bool realClock, std::function<void()> render)
    : inner_(inner), realClock_(realClock), render_(std::move(render)) {
    sinceRender_.start();
    sinceToolkit_.start();
}

void QtHost::renderIfDue() {
    if (sinceRender_.elapsed() < kRenderPeriodMs) return;
    render_();
    sinceRender_.restart();
}

void QtHost::poll() {
    if (sinceToolkit_.elapsed() >= kToolkitPeriodMs) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        sinceToolkit_.restart();
    }
    renderIfDue();
}

void QtHost::waitUntil(std::int64_t t) {
    renderIfDue();
    const std::int64_t remaining = t - inner_.elapsedMs();
    if (remaining <= 0) return;
    if (!realClock_ || remaining < kToolkitPeriodMs) {
        inner_.waitUntil(t);  // a brief wait sleeps as headless; the next due poll runs the toolkit
        return;
    }
    // Sleeps in the dispatcher for the whole wait, or until the operator does something.
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    deadline.start(static_cast<int>(remaining));
    QAbstractEventDispatcher::instance()->processEvents(QEventLoop::WaitForMoreEvents);
    sinceToolkit_.restart();
}

}  // namespace orvant
