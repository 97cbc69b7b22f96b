#include "tracker/tracker.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <stdexcept>
#include <thread>

#include "platform/socket_conversations.h"
#include "support/program_run.h"
#include "tracker/conversation_server.h"
#include "tracker/text_sources.h"

namespace orvant::tracker {
namespace {

using namespace std::chrono_literals;
using Status = ConversationStatus;

// A tracker standing in for NOVA, serving in a thread, and a client of it.
struct ServedNova {
    ServedNova(Faults faults, int tuneEchoes)
        : tracker(*programNamed("nova"), replayTexts({"first", "second"}), faults, tuneEchoes,
                  nullptr) {
        if (pipe(stopPipe) != 0) throw std::runtime_error("no pipe");
        thread = std::thread([this] {
            server.serve([this](const wire::Message& m) { return tracker.respond(m); },
                         stopPipe[0]);
        });
    }
    ~ServedNova() {
        close(stopPipe[1]);
        thread.join();
        close(stopPipe[0]);
    }
    ConversationReply ask() { return client.request("NFW32", "NFW_DATA", "NFW_SERVER"); }

    testing::TempDir dir{"tracker"};
    ConversationServer server{dir.path().string(), "NFW32", "NFW_DATA"};
    Tracker tracker;
    VirtualHost host{{2018, 1, 21, 4, 30, 0, 0}};
    SocketConversations client{dir.path().string(), 200ms, host};
    int stopPipe[2] = {-1, -1};
    std::thread thread;
};

struct FaultCase {
    std::string name;
    Faults faults;
    int tuneEchoes;
    bool tunePoke;
    std::vector<ConversationReply> replies;
};

class TrackerFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(TrackerFaults, ShapeTheAnswersToRequests) {
    ServedNova nova(GetParam().faults, GetParam().tuneEchoes);
    if (GetParam().tunePoke) {
        ASSERT_EQ(nova.client.poke("NFW32", "NFW_DATA", "NFW_SERVER", "TUNE ON").status,
                  Status::Ok);
    }
    for (const ConversationReply& expected : GetParam().replies) {
        const ConversationReply reply = nova.ask();
        EXPECT_EQ(reply.status, expected.status);
        EXPECT_EQ(reply.text, expected.text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tracker, TrackerFaults,
    ::testing::Values(
        FaultCase{"ReplayRepeatsTheLast",
                  {},
                  1,
                  false,
                  {{Status::Ok, "first"}, {Status::Ok, "second"}, {Status::Ok, "second"}}},
        FaultCase{"TuneEchoes",
                  {},
                  2,
                  true,
                  {{Status::Ok, "TUNE ON"}, {Status::Ok, "TUNE ON"}, {Status::Ok, "first"}}},
        FaultCase{"StallAfterOne",
                  {.stallAfter = 1},
                  1,
                  false,
                  {{Status::Ok, "first"}, {Status::TimedOut, ""}, {Status::TimedOut, ""}}},
        FaultCase{"CloseMidRequestAfterOne",
                  {.closeMidRequestAfter = 1},
                  1,
                  false,
                  {{Status::Ok, "first"}, {Status::Refused, ""}, {Status::Refused, ""}}},
        FaultCase{"ExitAfterTwo",
                  {.exitAfter = 2},
                  1,
                  false,
                  {{Status::Ok, "first"}, {Status::Ok, "second"}, {Status::Refused, ""}}}),
    [](const auto& info) { return info.param.name; });

TEST(Tracker, RefusesANameALiveServerServes) {
    ServedNova nova({}, 1);
    EXPECT_THROW(ConversationServer(nova.dir.path().string(), "NFW32", "NFW_DATA"),
                 std::runtime_error);
    EXPECT_EQ(nova.ask().text, "first");
}

}  // namespace
}  // namespace orvant::tracker
