// The program on the card of the PC's own: the options that choose it, and runs against real
// peers (a pseudo-terminal, Hamlib's rotctld).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "radio/sim/five_byte_commands.h"
#include "support/program_run.h"
#include "support/pty_radio.h"
#include "support/rotctld_daemon.h"

namespace orvant {
namespace {

using namespace testing;  // the program-run harness
using Bytes = std::vector<std::uint8_t>;

// Refused at start-up, before the station runs: status 2 and what is wrong.
TEST(PcCardRun, DevicesThatCannotServeAreRefused) {
    const StationCopy station("pc-card-refused");
    const std::string file = station.path("ORV.CFG").string();
    struct Row {
        std::vector<std::string> options;
        std::string said;
    };
    const Row rows[] = {
        {{"--cat1=/nonexistent/ttyUSB9"}, "orvant: --cat1=/nonexistent/ttyUSB9: no such device"},
        {{"--cat2=/dev/null"}, "orvant: --cat2=/dev/null: not a serial port"},
        {{"--cat1=" + file}, "orvant: --cat1=" + file + ": not a serial port"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.said);
        const ProgramRun run = station.run({"AO-7"}, {.extra = row.options, .card = Card::PcOwn});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find(row.said), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

Bytes catBytesOf(const ProgramRun& run) {
    Bytes all;
    for (const TraceEvent& e : eventsOf(run.trace, "cat"))
        for (const int b : numbersIn(e.line, "bytes")) all.push_back(static_cast<std::uint8_t>(b));
    return all;
}

// A minute of AO-7 with its FT-847 on a pseudo-terminal and the dummy rotator: what the trace says
// the card relayed reached the radio, and the daemon answered every read.
TEST(PcCardRun, TheProgramTracksOnTheSerialLineAndTheDaemon) {
    const StationCopy station("pc-card-run");
    RotctldDaemon rotctld;
    sim::SimulatedRadio ft847(std::make_unique<sim::FiveByteCommands>(RadioDriver::Ft847));
    PtyRadio radio(5, [&ft847](const Bytes& block) { return ft847.receive(block); });
    const ProgramRun run = station.run(
        {"AO-7"},
        {.until = "60",
         .extra = {"--cat1=" + radio.device(), "--rotator=rotctld:" + rotctld.address().text()},
         .card = Card::PcOwn});
    radio.unplug();
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(eventsOf(run.trace, "card").empty());
    const Bytes relayed = catBytesOf(run);
    EXPECT_FALSE(relayed.empty());
    EXPECT_EQ(radio.heard(), relayed);
    // Every read of the card asked the daemon where the rotator stands, and it answered.
    const std::vector<StatusLine> status = statusLinesOf(run);
    ASSERT_FALSE(status.empty());
    EXPECT_EQ(status.back().state, "tracking");
}

// No daemon where --rotator points: the card is silent from the start, the program says so once
// and takes the silent card's path, and ends as asked.
TEST(PcCardRun, ADaemonThatIsNotThereIsSaidAndTheCardStaysSilent) {
    const StationCopy station("pc-card-no-daemon");
    std::string address;
    {
        const RotctldDaemon gone;
        address = gone.address().text();
    }
    const ProgramRun run = station.run(
        {"AO-7"}, {.until = "30", .extra = {"--rotator=rotctld:" + address}, .card = Card::PcOwn});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::string said = "orvant: card: rotctld at " + address +
                             ": Connection refused; the card is silent until it is reset\n";
    EXPECT_NE(run.err.find(said), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("There are 4 possible causes for this fault."), std::string::npos);
    ASSERT_EQ(eventsOf(run.trace, "card").size(), 1u);
    EXPECT_TRUE(framesOf(run).empty());
}

}  // namespace
}  // namespace orvant
