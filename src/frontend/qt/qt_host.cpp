#include "frontend/qt/qt_host.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>

namespace orvant {

namespace {

// The window is redrawn at most this often while the program runs without waiting; an eye sees
// no difference, and the polling loop keeps its pace.
constexpr qint64 kRenderPeriodMs = 40;
// The toolkit gets its turn at most this often while the program runs or waits only briefly
// between its passes; the operator sees no lag, and the passes cost no more than headless ones.
constexpr qint64 kToolkitPeriodMs = 10;

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
