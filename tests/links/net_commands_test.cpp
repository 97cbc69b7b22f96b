#include "links/net_commands.h"

#include <gtest/gtest.h>

#include <string>

// The rotator and radio line protocols, line in, reply and request out.

namespace orvant {
namespace {

const RotatorFacts kRotator{181.5, 44.25, 0, 450};
const RadioFacts kRadio{
    145900000,     435100000, {{144e6, 146e6}}, {{430e6, 440e6}}, "VFOA", "USB", "FM",
    {"USB", "CW"}, {"FM"}};

struct Case {
    const char* line;
    const char* reply;  // the whole reply, or its start when it ends in "..."
    NetRequestKind kind = NetRequestKind::None;
    double first = 0, second = 0;
};

void expectAnswer(const NetAnswer& answer, const Case& c) {
    const std::string expected = c.reply;
    if (expected.size() > 3 && expected.ends_with("..."))
        EXPECT_TRUE(answer.reply.starts_with(expected.substr(0, expected.size() - 3)))
            << answer.reply;
    else
        EXPECT_EQ(answer.reply, expected);
    EXPECT_EQ(answer.request.kind, c.kind);
    EXPECT_EQ(answer.request.first, c.first);
    EXPECT_EQ(answer.request.second, c.second);
}

TEST(RotatorProtocol, AnswersEachCommandInBothForms) {
    using enum NetRequestKind;
    const Case cases[] = {
        {"P 180.000000 45.000000", "RPRT 0\n", Point, 180, 45},
        {"\\set_pos 10 170", "RPRT 0\n", Point, 10, 170},
        {"+P 180 45", "set_pos: 180 45\nRPRT 0\n", Point, 180, 45},
        {"p", "181.50\n44.25\n"},
        {"+\\get_pos", "get_pos:\nAzimuth: 181.50\nElevation: 44.25\nRPRT 0\n"},
        {"S", "RPRT 0\n", Stop},
        {"K", "RPRT 0\n", Park},
        {"+_", "get_info:\nInfo: ORVANT rotator\nRPRT 0\n"},
        {"\\dump_state", "1\n1\nmin_az=0.000000\nmax_az=450.000000\nmin_el=0.000000\n..."},
        {"q", "", Close},
        {"+q", "", Close},
        // The travel's ends are taken: 0..450 degrees of azimuth, 0..180 of elevation.
        {"P 450 180", "RPRT 0\n", Point, 450, 180},
        {"P 0 0", "RPRT 0\n", Point, 0, 0},
        // Refused, changing nothing: out of travel, not a number, arguments missing, unknown.
        {"P 451 45", "RPRT -1\n"},
        {"P -1 45", "RPRT -1\n"},
        {"P 180 -1", "RPRT -1\n"},
        {"P 180 181", "RPRT -1\n"},
        {"P abc 45", "RPRT -1\n"},
        {"P 180", "RPRT -1\n"},
        {"+P nan 1", "set_pos: nan 1\nRPRT -1\n"},
        {"X", "RPRT -4\n"},
        {"\\get_nothing", "RPRT -4\n"},
        {"", "RPRT -1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        expectAnswer(answerRotatorLine(c.line, kRotator), c);
    }
    // A 360-degree rotator takes 360 and not a degree more.
    const RotatorFacts turns360{0, 0, 0, 360};
    expectAnswer(answerRotatorLine("P 360 45", turns360), {"", "RPRT 0\n", Point, 360, 45});
    expectAnswer(answerRotatorLine("P 361 45", turns360), {"", "RPRT -1\n"});
}

TEST(RadioProtocol, AnswersEachCommandInBothForms) {
    using enum NetRequestKind;
    const Case cases[] = {
        {"F 145900000.000000", "RPRT 0\n", SetDownlink, 145900000},
        {"I 435100000", "RPRT 0\n", SetUplink, 435100000},
        {"+F 145800000", "set_freq: 145800000\nRPRT 0\n", SetDownlink, 145800000},
        {"f", "145900000\n", ReadDownlink},
        {"+i", "get_split_freq:\nTX Frequency: 435100000\nRPRT 0\n", ReadUplink},
        {"M CW 0", "RPRT 0\n", SetDownlinkMode},
        {"M FM 0", "RPRT -1\n"},  // the uplink radio's mode, not the downlink radio's
        {"m", "USB\n15000\n"},
        {"V VFOA", "RPRT 0\n", SelectVfo},
        {"V Sub", "RPRT 0\n", SelectVfo},
        {"V Bogus", "RPRT -1\n"},
        {"v", "VFOA\n"},
        {"S 1 VFOB", "RPRT 0\n"},
        {"s", "1\nVFOB\n"},
        {"T 0", "RPRT 0\n"},
        {"t", "0\n"},
        {"\\chk_vfo", "0\n"},
        {"\\dump_state",
         "1\n1\n0\n144000000.000000 146000000.000000 0x1ff -1 -1 0x3 0x1\n0 0 0 0 0 0 0\n"
         "430000000.000000 440000000.000000 ..."},
        {"q", "RPRT 0\n", Close},
        {"F 1", "RPRT -1\n"},
        {"I 300000000", "RPRT -1\n"},
        {"F 435100000", "RPRT -1\n"},  // the uplink radio's band, not the downlink radio's
        {"+F abc", "set_freq: abc\nRPRT -1\n"},
        {"M XYZ 0", "RPRT -1\n"},
        {"Z", "RPRT -4\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        expectAnswer(answerRadioLine(c.line, kRadio), c);
    }
    EXPECT_EQ(answerRadioLine("M USB 2400", kRadio).request.mode, "USB");

    // On the transmitting VFO, F, f, M and m are the uplink's.
    RadioFacts onSub = kRadio;
    onSub.vfo = "Sub";
    expectAnswer(answerRadioLine("F 435000000", onSub), {"", "RPRT 0\n", SetUplink, 435000000});
    EXPECT_EQ(answerRadioLine("F 145900000", onSub).reply, "RPRT -1\n");
    EXPECT_EQ(answerRadioLine("f", onSub).reply, "435100000\n");
    EXPECT_EQ(answerRadioLine("f", onSub).request.kind, ReadUplink);
    EXPECT_EQ(answerRadioLine("M FM 0", onSub).request.kind, SetUplinkMode);
    EXPECT_EQ(answerRadioLine("m", onSub).reply, "FM\n15000\n");
    EXPECT_EQ(answerRadioLine("v", onSub).reply, "Sub\n");
}

TEST(NetProtocols, RefuseLinesLongerThanTheLimit) {
    const std::string longLine = "P 180 45" + std::string(kMaxNetLine, ' ');
    const NetAnswer answer = answerRotatorLine(longLine, kRotator);
    EXPECT_EQ(answer.reply, "RPRT -1\n");
    EXPECT_EQ(answer.request.kind, NetRequestKind::None);
}

}  // namespace
}  // namespace orvant
