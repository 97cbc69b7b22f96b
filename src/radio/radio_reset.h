#pragma once

namespace orvant {

struct Station;

// The shutdown's messages to the radios: each radio is put back into a plain state by the
// messages of its own shutdown family (five-byte commands, CI-V to the radio's own address or to
// address 74, text commands), with the memory channel of the station configuration; a CI-V
// downlink radio recalls it on the band it was tuned on. An IC-910 on both links leaves satellite
// mode; a TS-2000 leaves satellite mode and goes back to plain VFO A reception, and a radio
// beside it gets its own family's messages. One five-byte radio on both links gets its messages
// once. The radios no longer count as set up.
void resetRadios(Station& station);

}  // namespace orvant
