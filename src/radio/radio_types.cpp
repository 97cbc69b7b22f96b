#include "radio/radio_types.h"

#include <algorithm>
#include <array>

#include "config/satellite_record.h"

namespace orvant {

namespace {

using D = RadioDriver;

// Position rows: name, slot 60 value, shutdown class, band prefix, read-back.
constexpr RadioPosition both(const char* name, std::int16_t slot60, std::int16_t shutdownClass,
                             bool readback) {
    return {name, slot60, shutdownClass, "", readback};
}
constexpr RadioPosition none() {
    return {};
}

constexpr std::array kRadioTypes{
    RadioType{1, D::Ft736, 0, false, false, both("FT-736R", 8, 1, true),
              both("FT-736R", 10, 1, true)},
    RadioType{2, D::Ft847, 0, false, false, both("FT-847", 8, 1, true),
              both("FT-847", 10, 1, true)},
    RadioType{3, D::IcomR8500, 0x4A, false, false, both("IC-R8500", 20, 4, true),
              both("IC-R8500", 20, 4, true)},
    RadioType{4,
              D::Kenwood,
              0,
              true,
              false,
              {"TS-790", 40, 4, "DC0;", true},
              {"TS-790", 40, 3, "DC1;", true}},
    RadioType{5, D::Kenwood, 0, false, false, both("TS-440S", 40, 4, true),
              both("TS-440S", 40, 3, true)},
    RadioType{6, D::Kenwood, 0, false, false, both("TS-680S", 40, 4, true),
              both("TS-680S", 30, 3, true)},
    RadioType{7, D::Kenwood, 0, false, false, both("TS-711", 40, 4, true),
              both("TS-711", 40, 3, true)},
    RadioType{8, D::Kenwood, 0, false, false, both("TS-811", 40, 4, true),
              both("TS-811", 40, 3, true)},
    RadioType{9, D::Icom, 0x2E, true, false, both("IC-970", 20, 2, true),
              both("IC-970", 20, 2, true)},
    RadioType{10, D::Icom, 0x20, false, false, both("IC-271", 20, 2, true),
              both("IC-271", 20, 2, true)},
    RadioType{11, D::Icom, 0x22, false, false, both("IC-471", 20, 2, true),
              both("IC-471", 20, 2, true)},
    RadioType{12, D::Icom, 0x10, false, false, both("IC-275", 20, 2, true),
              both("IC-275", 20, 2, true)},
    RadioType{13, D::Icom, 0x14, false, false, both("IC-475", 20, 2, true),
              both("IC-475", 20, 2, true)},
    RadioType{14, D::Icom, 0x42, true, false, both("IC-820", 20, 2, true),
              both("IC-820", 20, 2, true)},
    RadioType{15, D::Icom, 0x4C, true, false, both("IC-821", 20, 2, true),
              both("IC-821", 20, 2, true)},
    RadioType{16, D::Ft757, 0, false, false, both("FT-757", 8, 1, false),
              both("FT-757", 10, 1, false)},
    RadioType{17, D::Icom, 0x38, false, false, both("IC-728", 20, 2, true),
              both("IC-728", 20, 2, true)},
    RadioType{18, D::Icom, 0x3A, false, false, both("IC-729", 20, 2, true),
              both("IC-729", 20, 2, true)},
    RadioType{19, D::Icom, 0x1C, false, false, both("IC-751A", 20, 2, true),
              both("IC-751A", 20, 2, true)},
    RadioType{20, D::Ft980, 0, false, false, none(), both("FT-980", 20, 10, false)},
    RadioType{21, D::Icom, 0x58, false, false, both("IC-706/G", 20, 2, true),
              both("IC-706/G", 20, 2, true)},
    RadioType{22, D::Icom, 0x48, false, false, both("IC-706", 20, 2, true),
              both("IC-706", 20, 2, true)},
    RadioType{23, D::Ft100, 0, false, false, both("FT-100", 40, 1, true),
              both("FT-100", 40, 1, true)},
    RadioType{24, D::None, 0, false, false, both("FT-1000", 10, 1, false),
              both("FT-1000", 10, 1, false)},
    RadioType{25, D::Icom, 0x5C, false, false, both("IC-756PRO", 20, 2, true),
              both("IC-756PRO", 20, 2, true)},
    RadioType{26, D::Ts2000, 0, false, false, both("TS-2000", 40, 3, true),
              both("TS-2000", 40, 3, true)},
    RadioType{27, D::Icom, 0x60, true, true, both("IC-910", 20, 2, true),
              both("IC-910", 20, 2, true), true},
    RadioType{28, D::Icom, 0x56, false, false, both("IC-746", 20, 2, true),
              both("IC-746", 20, 2, true)},
    RadioType{29, D::Icom, 0x4E, false, false, both("IC-706II", 20, 2, true),
              both("IC-746II", 20, 2, true)},
    RadioType{30, D::None, 0, false, false, both(" ", 0, 0, false), both(" ", 0, 0, false)},
    RadioType{31, D::Icom, 0x04, false, false, both("IC-735", 20, 2, true),
              both("IC-735", 20, 2, true)},
    RadioType{32, D::IcomR7000, 0x08, false, false, none(), both("IC-R7000", 20, 2, false)},
    RadioType{33, D::IcomR9000, 0x2A, false, false, none(), both("IC-R9000", 20, 2, false)},
    RadioType{35, D::Ar5000, 0, false, false, none(), both("AR5000", 20, 7, true)},
};

}  // namespace

const RadioType* radioTypeAt(std::int16_t code, int side) {
    const auto row = std::find_if(kRadioTypes.begin(), kRadioTypes.end(),
                                  [code](const RadioType& type) { return type.code == code; });
    if (row == kRadioTypes.end() || row->position(side).name == nullptr) return nullptr;
    return &*row;
}

std::int16_t radioCodeAt(const SatelliteRecord& sat, int side) {
    return side == 0 ? sat.uplinkRadioType : sat.downlinkRadioType;
}

const RadioType* radioTypeAt(const SatelliteRecord& sat, int side) {
    return radioTypeAt(radioCodeAt(sat, side), side);
}

int catChannelAt(const SatelliteRecord& sat, int side) {
    return (side == 0 ? sat.uplinkCatPort : sat.downlinkCatPort) == 2 ? 2 : 1;
}

bool sameRadioBothPositions(const SatelliteRecord& sat) {
    return sat.uplinkRadioType == sat.downlinkRadioType;
}

}  // namespace orvant
