#pragma once

namespace orvant {

struct Station;

// The shutdown's messages to the radios: each radio is put back into a plain state by the
// messages of its shutdown family (five-byte commands, CI-V to the radio's own address or to
// address 74, text commands), with the memory channel of the station configuration. An IC-910 on
// both links leaves satellite mode; a TS-2000 in either position leaves satellite mode and goes
// back to plain VFO A reception. One five-byte radio on both links gets its messages once.
void resetRadios(Station& station);

}  // namespace orvant
