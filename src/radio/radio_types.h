#pragma once

#include <cstdint>

namespace orvant {

struct SatelliteRecord;

// The driver family behind a radio type: which initialisation, per-send driver and read-back
// serve it.
enum class RadioDriver : std::uint8_t {
    None,       // no radio, or a model the program only names
    Kenwood,    // TS-790, TS-440S, TS-680S, TS-711, TS-811: text commands on VFO A
    Ts2000,     // TS-2000: two VFOs and satellite mode
    Icom,       // CI-V transceivers
    IcomR8500,  // CI-V receiver with a frequency send of its own
    IcomR7000,  // CI-V receivers with set-ups of their own, tuned as the transceivers are
    IcomR9000,
    Ft736,
    Ft847,
    Ft757,
    Ft980,
    Ft100,
    Ar5000,
};

// What a model is in one position (uplink or downlink).
struct RadioPosition {
    const char* name = nullptr;  // nullptr: the model cannot fill this position
    std::int16_t slot60 = 0;     // per-model value placed in frame slot 60 at set-up
    // Shutdown class: 1 five-byte commands, 2 CI-V to the radio's own address, 3 text commands,
    // 4 CI-V to address 74 (downlink only: the uplink of a Kenwood, 4, gets nothing), 7 AOR lines,
    // 10 FT-980 (none of the shutdown's). Each class is of the radio's own family, or sends it
    // nothing.
    std::int16_t shutdownClass = 0;
    // Band prefix of a dual-band Kenwood, sent before each frequency of this position.
    const char* bandPrefix = "";
    bool readback = false;  // the dial of this position can be read back
};

// One row of the radio type table.
struct RadioType {
    std::int16_t code = 0;
    RadioDriver driver = RadioDriver::None;
    std::int16_t civAddress = 0;  // CI-V address of an Icom radio, else 0
    bool dualBand = false;        // main and sub bands (Icom), or a band prefix (TS-790)
    bool skipVfoSelect = false;   // no VFO select before an Icom frequency (IC-910)
    RadioPosition up;
    RadioPosition down;
    // One radio serving both positions runs in satellite mode (IC-910): its uplink on the sub
    // band and its downlink on the main band. A dual-band radio without it, serving both,
    // works the uplink on the main band and the downlink on the sub band.
    bool satelliteMode = false;

    const RadioPosition& position(int side) const { return side == 0 ? up : down; }
};

// The row of a type code in a position (side 0 uplink, 1 downlink); nullptr when the code selects
// nothing there (unlisted codes, 34, and the downlink-only receivers as uplink).
const RadioType* radioTypeAt(std::int16_t code, int side);

// The type code of a position of the loaded satellite.
std::int16_t radioCodeAt(const SatelliteRecord& sat, int side);
// The row of a position of the loaded satellite, as `radioTypeAt`.
const RadioType* radioTypeAt(const SatelliteRecord& sat, int side);
// The card's CAT channel of a position of the loaded satellite: 2 when its CAT port selector is
// 2, else 1.
int catChannelAt(const SatelliteRecord& sat, int side);
// One radio serves both positions: the same type code in both.
bool sameRadioBothPositions(const SatelliteRecord& sat);

}  // namespace orvant
