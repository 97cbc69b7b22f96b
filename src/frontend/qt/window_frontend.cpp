#include "frontend/qt/window_frontend.h"

#include <QApplication>
#include <iostream>

#include "frontend/qt/qt_alerts.h"
#include "frontend/qt/qt_host.h"
#include "frontend/qt/qt_window.h"
#include "frontend/sky_view.h"
#include "station/station.h"

namespace orvant {

namespace {

// The toolkit keeps a reference to the argument count for the application's lifetime.
int gArgc = 1;
char gProgramName[] = "orvant";
char* gArgv[] = {gProgramName, nullptr};

}  // namespace

struct WindowFrontend::Parts {
    Parts(const std::string& title, Host& inner, bool realClock)
        : app(gArgc, gArgv),
          host(inner, realClock,
               [this] {
                   if (window) window->render();
               }),
          alerts(title, std::cerr),
          title(title) {}
    QApplication app;
    QtHost host;
    QtAlerts alerts;
    std::string title;
    SkyView sky;
    std::unique_ptr<QtWindow> window;
};

WindowFrontend::WindowFrontend(const std::string& title, Host& inner, bool realClock)
    : parts_(std::make_unique<Parts>(title, inner, realClock)) {}

WindowFrontend::~WindowFrontend() = default;

Host& WindowFrontend::host() {
    return parts_->host;
}

Alerts& WindowFrontend::alerts() {
    return parts_->alerts;
}

void WindowFrontend::waitForNotes() {
    parts_->alerts.waitForNotes();
}

void WindowFrontend::open(Station& station) {
    Parts& parts = *parts_;
    parts.window = std::make_unique<QtWindow>(station.display, station.pump, parts.title);
    parts.window->showSky([&station, &parts]() -> const SkyPicture& {
        return parts.sky.picture(station, station.platform.host.localTime());
    });
}

}  // namespace orvant
