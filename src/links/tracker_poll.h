#pragma once

#include <optional>
#include <string>

#include "links/tracker_texts.h"

namespace orvant {

struct Station;

// One tracking program's link: the conversation it polls, how its text is read and what a poll
// that fails says.
struct TrackerLink {
    const char* control;  // the hidden control that holds the conversation
    const char* service;
    const char* topic;
    const char* item;
    const char* positionCaption;  // `lbl_satpos` after a good poll
    // The text as the link keeps it, from the reply.
    std::string (*normalise)(const std::string& reply);
    std::optional<TrackerReading> (*read)(const std::string& text);
    std::string (*failureText)(const Station& station);
    // Called with each reading before the visibility test (NOVA's horizon pre-positioning).
    void (*nearHorizon)(Station& station, const TrackerReading& reading) = nullptr;
};

// The status a link writes when it judges the satellite below the horizon itself.
inline const std::string kBelowHorizonStatus = "'  NO";

// Characters 4 and 5 of a status say "NO": the satellite is below the horizon.
bool saysBelowHorizon(const std::string& status);

// Requests the link's text. The normalised text (commas turned into full stops) also becomes the
// caption of the link's control. A request that times out, or that a running server answers
// badly, gives nothing: the poll changes nothing. Only a program that is not there (no server
// accepts the conversation, or the connection is lost) takes the failure path: the link's
// message, the shutdown, and the program ends.
std::optional<std::string> fetchStatus(Station& station, const TrackerLink& link);
// The failure path of a link.
[[noreturn]] void failLink(Station& station, const TrackerLink& link);

// The satellite is below the horizon: phase 300, and once per pass the antennas are marked for
// parking and the names become "DEFAULT".
void handleBelowHorizon(Station& station);
// The satellite is up: the once-per-pass mark is cleared, and so is the parking mark unless the
// operator forced the parking.
void handleUp(Station& station);
// A good poll: everything the reading brings is stored and shown, under the link's caption.
void storeGoodPoll(Station& station, const TrackerLink& link, const TrackerReading& reading);

// The poll of NOVA, WinTrak and WinOrbit after the request: the program's elevation decides
// visibility against the minimum elevation, and a fresh position is marked "SN". A text that
// brings no data, or an elevation of exactly 0, changes nothing.
void judgeAndStore(Station& station, const TrackerLink& link, const std::string& status);

}  // namespace orvant
