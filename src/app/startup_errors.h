#pragma once

#include "config/config_error.h"

namespace orvant {

struct Station;

// Raised when no printer-port driver can be opened.
struct PortDriverMissing {};

// The start-up error handler: maps the stage code and the kind of error to its fatal dialog,
// then ends the program (after the shutdown routine, for every dialog but the driver one and
// the element-file one at start-up). An error that no dialog covers leaves the window idle until
// the operator presses Exit.
void reportStartupError(Station& station, FileErrorKind kind);
void reportMissingDriver(Station& station);

}  // namespace orvant
