#include "frontend/qt/qt_host.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>

namespace orvant {

namespace {

// The window is redrawn at most this often while the program runs without waiting; an eye sees
// no difference, and the polling loop keeps its pace.
constexpr qint64 kRenderPeriodMs = 40;

}  // namespace

QtHost::QtHost(Host& inner, bool realClock, std::function<void()> render)
    : inner_(inner), realClock_(realClock), render_(std::move(render)) {
    sinceRender_.start();
}

void QtHost::renderIfDue() {
    if (sinceRender_.elapsed() < kRenderPeriodMs) return;
    render_();
    sinceRender_.restart();
}

void QtHost::poll() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    renderIfDue();
}

void QtHost::waitUntil(std::int64_t t) {
    renderIfDue();
    const std::int64_t remaining = t - inner_.elapsedMs();
    if (remaining <= 0) return;
    if (!realClock_) {
        inner_.waitUntil(t);
        return;
    }
    // Sleeps in the dispatcher until the deadline or until the operator does something.
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    deadline.start(static_cast<int>(remaining));
    QAbstractEventDispatcher::instance()->processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace orvant
