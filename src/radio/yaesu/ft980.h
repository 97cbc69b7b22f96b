#pragma once

namespace orvant {

struct Station;
struct RadioType;

// The Yaesu FT-980, a downlink radio that is only set up (CAT on, then 00 00 00 00 0B) and then
// tuned by hand. Its set-up runs with the card's protocol value 11 in frame slot 61 instead of 10.
void init980(Station& station, const RadioType& type);

}  // namespace orvant
