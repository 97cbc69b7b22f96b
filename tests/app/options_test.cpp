#include "app/options.h"

#include <gtest/gtest.h>

#include "app/event_script.h"

namespace orvant {
namespace {

TEST(Options, ProgramOptionsAreTakenOutAndTheRestFormsTheCommandLine) {
    const OptionsResult r =
        parseOptions({"--headless", "AO-7", "--sim", "--clock=2018-01-21T09:30:05", "--until=12.5",
                      "--trace=t.jsonl", "--dde-dir=/run/x", "--dde-timeout=200", "DEMO"});
    ASSERT_EQ(r.error, "");
    EXPECT_TRUE(r.options.headless);
    EXPECT_TRUE(r.options.sim);
    ASSERT_TRUE(r.options.clock.has_value());
    EXPECT_EQ(r.options.clock->day, 21);
    EXPECT_EQ(r.options.clock->second, 5);
    EXPECT_DOUBLE_EQ(*r.options.untilSeconds, 12.5);
    EXPECT_EQ(r.options.traceFile, "t.jsonl");
    EXPECT_EQ(r.options.ddeFolder, "/run/x");
    EXPECT_EQ(r.options.ddeTimeoutMs, 200);
    EXPECT_EQ(r.options.commandLine, "AO-7 DEMO");
    EXPECT_EQ(r.options.rotctldAddress, "");
    EXPECT_FALSE(r.options.realClockStart.has_value());
    EXPECT_EQ(parseOptions({"--real-clock=2018-01-21T04:30:00"}).options.realClockStart->minute,
              30);
    EXPECT_EQ(parseOptions({"--rotctld"}).options.rotctldAddress, "127.0.0.1:4533");
    EXPECT_EQ(parseOptions({"--rotctld=0.0.0.0:14533"}).options.rotctldAddress, "0.0.0.0:14533");
    EXPECT_EQ(r.options.rigctldAddress, "");
    EXPECT_EQ(parseOptions({"--rigctld"}).options.rigctldAddress, "127.0.0.1:4532");
    EXPECT_EQ(parseOptions({"--rigctld=0.0.0.0:14532"}).options.rigctldAddress, "0.0.0.0:14532");
}

TEST(Options, BadValuesAreReportedNotGuessed) {
    for (const char* bad :
         {"--clock=2018-02-30T00:00:00", "--clock=2018-01-21 09:30:00", "--real-clock=04:30",
          "--until=soon", "--until=-1", "--fast", "--dde-timeout=0", "--dde-timeout=5s"})
        EXPECT_NE(parseOptions({bad}).error, "") << bad;
}

TEST(Options, TheCardOfThePcsOwnTakesSerialDevicesAndTheRotatorsDaemon) {
    const OptionsResult r = parseOptions({"--cat1=/dev/ttyUSB0", "--cat2=/dev/ttyUSB1", "AO-7"});
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.options.catDevices[0], "/dev/ttyUSB0");
    EXPECT_EQ(r.options.catDevices[1], "/dev/ttyUSB1");
    EXPECT_FALSE(r.options.rotator.has_value());
    EXPECT_TRUE(pcCardAsked(r.options));
    EXPECT_FALSE(pcCardAsked(parseOptions({"--sim", "AO-7"}).options));
    struct Row {
        const char* option;
        const char* host;  // nullptr: refused
        int port;
    };
    for (const Row& row :
         {Row{"--rotator=rotctld", "localhost", 4533},
          Row{"--rotator=rotctld:shack.local:4534", "shack.local", 4534},
          Row{"--rotator=rotctld:::1:65535", "::1", 65535},
          Row{"--rotator=rotctld:host:65536", nullptr, 0},
          Row{"--rotator=rotctld:host:0", nullptr, 0}, Row{"--rotator=rotctld:host", nullptr, 0},
          Row{"--rotator=rotctld::4533", nullptr, 0}, Row{"--rotator=rotctl", nullptr, 0}}) {
        SCOPED_TRACE(row.option);
        const OptionsResult o = parseOptions({row.option});
        if (!row.host) {
            EXPECT_NE(o.error.find("--rotator wants rotctld or rotctld:HOST:PORT"),
                      std::string::npos);
            continue;
        }
        ASSERT_EQ(o.error, "");
        EXPECT_EQ(o.options.rotator->host, row.host);
        EXPECT_EQ(o.options.rotator->port, row.port);
    }
}

// The program's own rotator server and the rotator's daemon on one port of this machine would
// talk to each other: refused, naming the option to move. Another port or another machine is fine.
TEST(Options, RotctldServerAndRotatorDaemonOnOnePortAreRefused) {
    const std::string moveIt = "give --rotctld another port";
    struct Row {
        std::vector<std::string> args;
        bool refused;
    };
    const Row rows[] = {
        {{"--rotctld", "--rotator=rotctld"}, true},
        {{"--rotctld=127.0.0.1:4534", "--rotator=rotctld"}, false},
        {{"--rotctld=127.0.0.1:4532", "--rotator=rotctld"}, false},
        {{"--rotctld=0.0.0.0:4533", "--rotator=rotctld:127.0.0.2:4533"}, true},
        {{"--rotctld=192.0.2.7:4533", "--rotator=rotctld:192.0.2.7:4533"}, true},
        {{"--rotctld", "--rotator=rotctld:shack.example:4533"}, false},
        {{"--rotator=rotctld"}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args[0] + " " + row.args.back());
        const std::string error = parseOptions(row.args).error;
        EXPECT_EQ(error.find(moveIt) != std::string::npos, row.refused) << error;
        EXPECT_EQ(error.empty(), !row.refused) << error;
    }
    EXPECT_EQ(parseOptions({"--rotctld", "--rotator=rotctld"}).error,
              "--rotctld and --rotator=rotctld both use port 4533 of this machine: give --rotctld "
              "another port, for example --rotctld=127.0.0.1:4534");
    EXPECT_NE(parseOptions({"--sim", "--cat1=/dev/ttyUSB0"}).error.find("--sim"),
              std::string::npos);
    EXPECT_NE(parseOptions({"--port=/dev/parport0", "--rotator=rotctld"}).error.find("--port"),
              std::string::npos);
}

TEST(EventScript, ReadsEveryKindOfEventWithItsTimeAndText) {
    const EventScript s = parseEventScript(
        "# operator\r\n"
        "1.5 click cmd_Bye\n"
        "\n"
        "2 dblclick lbl_hf\n"
        "3 keys txt_aztxt 123\\r\n"
        "4 set hs_Azimuth -20\n"
        "5 select File1 AO 7.SAT\n");
    ASSERT_EQ(s.error, "");
    ASSERT_EQ(s.events.size(), 5u);
    EXPECT_EQ(s.events[0].dueMs, 1500);
    EXPECT_EQ(s.events[0].kind, InputKind::Click);
    EXPECT_EQ(s.events[0].control, "cmd_Bye");
    EXPECT_EQ(s.events[1].kind, InputKind::DblClick);
    EXPECT_EQ(s.events[2].text, "123\r");
    EXPECT_EQ(s.events[3].kind, InputKind::Set);
    EXPECT_EQ(s.events[3].text, "-20");
    EXPECT_EQ(s.events[4].text, "AO 7.SAT");
}

TEST(EventScript, NamesTheLineOfAMistake) {
    EXPECT_EQ(parseEventScript("1 click a\nsoon click b\n").error,
              "line 2: a time in seconds must come first");
    EXPECT_EQ(parseEventScript("1 press a\n").error, "line 1: unknown event 'press'");
    EXPECT_EQ(parseEventScript("1 keys txt_aztxt\n").error, "line 1: 'keys' needs a value");
}

}  // namespace
}  // namespace orvant
