#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace orvant {

// The radio clients' watch of the dials that read back automatically, per link (0 uplink,
// 1 downlink): a client that reads a link's frequency asks for a fresh read of its dial.
struct DialWatch {
    // A watch read is under way: the read-back leaves the dial here (nothing when it was
    // refused) instead of re-centring the bases, and a refusal makes no beep.
    bool reading = false;
    std::optional<std::int64_t> dialHz;

    std::array<bool, 2> asked{};
    std::array<std::optional<std::int64_t>, 2> lastReadMs;
    // A read of the link's radio broke down: it is not watched again.
    std::array<bool, 2> givenUp{};
};

// What the rest of the program needs to know about the radios.
struct RadioState {
    // Set by the radio set-up from the type table, per position.
    std::string uplinkRadioName;
    std::string downlinkRadioName;
    // Shutdown families of the uplink (link 1) and downlink (link 2) radios: 1 five-byte
    // commands, 2 CI-V to the radio's own address, 3 text commands, 4 CI-V to address 74.
    std::int16_t uplinkFamily = 0;
    std::int16_t downlinkFamily = 0;
    std::int16_t uplinkCivAddress = 0;
    std::int16_t downlinkCivAddress = 0;

    // What a driver is called with: the position served (0 uplink, 1 downlink; after the call
    // it names the radio served last) and the frequency to send, in Hz as decimal digits.
    std::int16_t catSide = 0;
    std::string catFreq;

    // A radio client (--rigctld) changed a link's mode since the radios were last set up.
    bool clientModeSet = false;
    // A radio client set the uplink since the loop last compared it with the uplink radio's.
    bool clientUplinkSet = false;
    // A radio client set a frequency: its frequencies, already corrected for Doppler, stand in
    // place of the satellite file's bases, so the station adds no Doppler of its own.
    bool clientFrequencies = false;
    // The radio clients that selected the uplink's VFO, and the name they gave it.
    std::map<int, std::string> clientUplinkVfo;
    DialWatch dialWatch;

    bool rxInhibit = false;
    bool txInhibit = false;

    // The radios hold the set-up of the last radio set-up: false before the first one and after
    // every reset (the shutdown's messages) until the next set-up. Only radios that are set up
    // are tuned or read.
    bool setUp = false;

    // What the frequency stage hands to the radio drivers: the uplink and downlink frequencies in
    // Hz as decimal digits, without a decimal point.
    std::string uplinkFreqText;
    std::string downlinkFreqText;

    // What a read-back leaves for the re-centring of the bases: the dial read in MHz and the
    // position it was read from (1 uplink, 2 downlink).
    double readFreq = 0;
    std::int16_t readSide = 0;
};

}  // namespace orvant
