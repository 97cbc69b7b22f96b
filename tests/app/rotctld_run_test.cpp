// The program serving Hamlib's clients: its own rotctl and rigctl drive the simulated rotator and
// the satellite's simulated radios.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "support/program_run.h"

namespace orvant {
namespace {

using namespace testing;  // the program-run harness

struct ClientRun {
    int status = -1;
    std::string out;
};

// One run of Hamlib's `client` (rotctl, rigctl) against `address`, its output and error output
// together.
ClientRun hamlib(const std::string& client, const std::string& address,
                 const std::string& commands) {
    const std::string line = client + " -m 2 -r " + address + " " + commands + " 2>&1";
    ClientRun run;
    FILE* pipe = popen(line.c_str(), "r");
    if (!pipe) return run;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe)) run.out += buffer;
    run.status = pclose(pipe);
    return run;
}

ClientRun rotctl(const std::string& address, const std::string& commands) {
    return hamlib("rotctl", address, commands);
}

std::string freeAddress(int next = 0) {
    return "127.0.0.1:" + std::to_string(20000 + getpid() % 20000 + next);
}

// Whether the run's CAT messages carry `message`.
bool relayed(const ProgramRun& run, const std::vector<int>& message) {
    for (const TraceEvent& e : eventsOf(run.trace, "cat"))
        if (numbersIn(e.line, "bytes") == message) return true;
    return false;
}

// rotctl's "p" prints the azimuth and the elevation one a line.
bool reportsNear(const ClientRun& run, double az, double el, double tolerance) {
    double gotAz = 0, gotEl = 0;
    return std::sscanf(run.out.c_str(), "%lf %lf", &gotAz, &gotEl) == 2 &&
           std::abs(gotAz - az) <= tolerance && std::abs(gotEl - el) <= tolerance;
}

// One run serves both: rotctl points the rotator and reads it back; rigctl tunes AO-7's FT-847
// (10 Hz steps; five-byte blocks, the downlink's command 0x11, the uplink's 0x21) and reads the
// frequencies back, and what the radio cannot take is refused and changes nothing.
TEST(RotctldRun, HamlibClientsDriveTheRotatorAndTheRadios) {
    const StationCopy station("rotctld");
    const std::string address = freeAddress();
    const std::string radios = freeAddress(1);
    std::atomic<bool> done = false;
    auto program = std::async(std::launch::async, [&] {
        // The simulated rotator turns some 6 degrees a second: 180 degrees take half a minute, or
        // longer on a busy machine. The test stops the program once it has seen what it wants.
        const RunOptions o{
            .clock = "", .until = "100", .extra = {"--rotctld=" + address, "--rigctld=" + radios}};
        return runProgram(station.path(""), station.arguments({"AO-7"}, o, "trace.jsonl"), 130,
                          &done);
    });
    ClientRun pointed;
    for (int i = 0; i < 50 && pointed.status != 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        pointed = rotctl(address, "P 180 45");
    }
    ASSERT_EQ(pointed.status, 0) << pointed.out;
    EXPECT_NE(rotctl(address, "P 500 45").status, 0);  // beyond the rotator's travel
    const ClientRun tuned = hamlib("rigctl", radios, "F 145900000 I 435100000");
    EXPECT_EQ(tuned.status, 0) << tuned.out;
    EXPECT_EQ(tuned.out.find("error"), std::string::npos) << tuned.out;
    const ClientRun refused = hamlib("rigctl", radios, "F 1000000000 I 2000000000");
    EXPECT_NE(refused.out.find("Invalid parameter"), std::string::npos) << refused.out;
    EXPECT_EQ(hamlib("rigctl", radios, "f i").out, "145900000\n435100000\n");
    ClientRun readBack;
    for (int i = 0; i < 180 && !reportsNear(readBack, 180, 45, 3); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        readBack = rotctl(address, "P 180 45 p");
    }
    EXPECT_TRUE(reportsNear(readBack, 180, 45, 3)) << readBack.out;
    rotctl(address, "K");
    done = true;
    const ProgramRun run = program.get();
    EXPECT_EQ(run.exitCode, 0) << run.err;
    bool answered = false;
    for (const TraceEvent& e : eventsOf(run.trace, "net"))
        answered |= fieldText(e.line, "line") == "\"P 180.000000 45.000000\"" &&
                    fieldText(e.line, "reply") == "\"RPRT 0\\n\"";
    EXPECT_TRUE(answered) << run.trace.substr(0, 2000);
    EXPECT_TRUE(relayed(run, {0x14, 0x59, 0x00, 0x00, 0x11}));
    EXPECT_TRUE(relayed(run, {0x43, 0x51, 0x00, 0x00, 0x21}));
}

TEST(RotctldRun, ATakenPortOfEitherServerEndsTheProgramWithStatusTwo) {
    const StationCopy station("rotctld-taken");
    const int taken = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    inet_pton(AF_INET, "127.0.0.1", &where.sin_addr);
    socklen_t size = sizeof where;
    ASSERT_EQ(bind(taken, reinterpret_cast<sockaddr*>(&where), size), 0);
    ASSERT_EQ(listen(taken, 1), 0);
    getsockname(taken, reinterpret_cast<sockaddr*>(&where), &size);
    const std::string address = "127.0.0.1:" + std::to_string(ntohs(where.sin_port));
    for (const std::string server : {"rotctld", "rigctld"}) {
        const ProgramRun run = station.run({"AO-7"}, {.extra = {"--" + server + "=" + address}});
        EXPECT_EQ(run.exitCode, 2) << server;
        EXPECT_NE(run.err.find(server + ": cannot listen on " + address), std::string::npos)
            << run.err;
    }
    close(taken);
}

}  // namespace
}  // namespace orvant
