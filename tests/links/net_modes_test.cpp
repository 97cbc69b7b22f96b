#include "links/net_modes.h"

#include <gtest/gtest.h>

#include "config/satellite_record.h"
#include "radio/link_modes.h"

// Hamlib's mode names against the mode texts each link's radio is set up with.

namespace orvant {
namespace {

SatelliteRecord withRadios(std::int16_t up, std::int16_t down, const char* downlinkMode = "USB") {
    SatelliteRecord sat;
    sat.uplinkRadioType = up;
    sat.downlinkRadioType = down;
    sat.uplinkMode = "LSB";
    sat.downlinkMode = downlinkMode;
    return sat;
}

TEST(NetModes, AClientsModeTakesTheNearestFormItsLinksRadioHas) {
    struct Case {
        std::int16_t up, down;
        int side;
        const char* clientMode;
        const char* text;  // empty: refused
    };
    const Case cases[] = {
        {2, 2, 1, "CWR", "CW-R"},                                // FT-847
        {7, 7, 0, "CWR", "CW"},                                  // TS-711: no reverse CW of its own
        {2, 16, 1, "CW", "CWW"},                                 // FT-757 downlink
        {23, 23, 0, "PKTUSB", "DIG"},                            // FT-100's data mode
        {7, 7, 0, "PKTUSB", "USB"},   {2, 32, 1, "WFM", "FMW"},  // IC-R7000: FM only
        {2, 32, 1, "USB", ""},        {1, 1, 0, "AM", ""},       // FT-736R
        {24, 24, 0, "FM", ""},                                   // FT-1000: named only
        {2, 2, 0, "BOGUS", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clientMode);
        const SatelliteRecord sat = withRadios(c.up, c.down);
        EXPECT_EQ(linkModeText(sat, c.side, c.clientMode), c.text);
        const std::vector<std::string> taken = clientModesOfLink(sat, c.side);
        EXPECT_EQ(std::find(taken.begin(), taken.end(), c.clientMode) != taken.end(), *c.text != 0);
    }
}

TEST(NetModes, ALinksModeReadsInTheClientsNames) {
    for (const auto& [text, name] : {std::pair{"CW-R(N)", "CWR"},
                                     {"FMN", "FM"},
                                     {"DIG", "PKTUSB"},
                                     {"W-FM", "WFM"},
                                     {"XYZ", "FM"}})
        EXPECT_EQ(clientModeOfLink(withRadios(2, 2, text), 1), name) << text;
}

// The AR5000 carries its mode in the fourth command of its set-up list.
TEST(NetModes, TheAr5000sModeIsItsFourthSetUpCommand) {
    SatelliteRecord sat = withRadios(2, 35, "RF0145950000,AT0,BW1, MD0 ,ST5");
    EXPECT_EQ(clientModeOfLink(sat, 1), "FM");
    setLinkMode(sat, 1, linkModeText(sat, 1, "CW"));
    EXPECT_EQ(sat.downlinkMode, "RF0145950000,AT0,BW1,MD4,ST5");
    EXPECT_EQ(clientModeOfLink(sat, 1), "CW");
    EXPECT_TRUE(clientModesOfLink(withRadios(2, 35, "RF0145950000,AT0"), 1).empty());
}

}  // namespace
}  // namespace orvant
