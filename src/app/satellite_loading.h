#pragma once

#include <string>

namespace orvant {

class Display;
struct Station;

// Loads the satellite `name` into `station.sat`. The name is upper-cased and, unless it is
// "DEFAULT", every blank and "/" in it becomes "-"; the caller's variable receives the changed
// name. "DEFAULT" loads the built-in values (`Default`); any other name reads the file
// NAME.SAT in the program folder (`AppState::programFolder`) and shows the satellite's modes,
// converters and transponder controls. Also hands the forced park azimuth to the polling loop and
// the external control-port word to the controller functions.
//
// Sets the stage code before the file is opened. Throws FileError: NotFound or PathNotFound when
// the file cannot be opened, PastEnd when it holds fewer than 26 values, Corrupt when an integer
// field lies outside the 16-bit range or a number beyond the floating range (the satellite
// record is then left as it was).
void GetSatCfg(Station& station, std::string& name);

// Fills the satellite record with the built-in values of "DEFAULT" (see `useBuiltInSatellite`)
// and hands the external control-port word on.
void Default(Station& station);

// The controls the satellite loading shows and changes.
void declareSatelliteControls(Display& display);

}  // namespace orvant
