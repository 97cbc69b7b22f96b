#include "controller/port_lines.h"

#include <stdexcept>

#include "station/station.h"

namespace orvant {

namespace {

PortIO& openedPort(Station& station) {
    if (!station.port) throw std::logic_error("printer port used before it was opened");
    return *station.port;
}

}  // namespace

PortLines::PortLines(Station& station)
    : io_(openedPort(station)),
      data_(station.cfg.portData),
      status_(station.cfg.portStatus),
      control_(station.cfg.portControl) {}

}  // namespace orvant
