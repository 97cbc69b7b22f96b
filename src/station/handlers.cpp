#include "station/handlers.h"

#include "station/station.h"

namespace orvant {

void bindHandler(Station& station, const std::string& name, ControlEvent event,
                 void (*handler)(Station&), bool startsExchange) {
    station.display.on(
        name, event, [&station, handler] { handler(station); }, startsExchange);
}

}  // namespace orvant
