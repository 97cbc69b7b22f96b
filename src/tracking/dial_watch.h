#pragma once

namespace orvant {

struct Station;

// The radio clients' watch of the dials. While a radio client is connected, a link whose radio
// reads its dial back by itself is read when a client has read that link's frequency, at most
// once a second, preferably on a pass about to send, and one link a pass. A dial within the gate's
// threshold and the radio's step of what the station last sent is where the client put it: nothing
// changes. A dial further off was turned by the operator: the bases re-centre on it as on the
// operator's own read-back, so the clients read the new frequency and the next sends follow it. A
// read that is refused or breaks down changes nothing and is not heard of but in the trace; after a
// breakdown the link is no longer watched.
void watchDials(Station& station);

}  // namespace orvant
