#include "platform/message_pump.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvant {
namespace {

struct PumpFixture : ::testing::Test {
    VirtualHost host{{2018, 1, 20, 12, 0, 0, 0}};
    MessagePump pump{host};
    std::vector<std::string> delivered;
};

TEST_F(PumpFixture, DeliversInputInArrivalOrderOnlyWhenDue) {
    pump.setDispatcher([&](const InputEvent& e) {
        delivered.push_back(e.control);
        return true;
    });
    pump.post({200, InputKind::Click, "late", ""});
    pump.post({100, InputKind::Click, "first", ""});
    pump.post({100, InputKind::Click, "second", ""});
    pump.pumpOnce();
    EXPECT_TRUE(delivered.empty());
    pump.waitForEvent(1000);
    EXPECT_EQ(host.elapsedMs(), 100);
    pump.pumpOnce();
    EXPECT_EQ(delivered, (std::vector<std::string>{"first", "second"}));
    pump.waitForEvent(1000);
    pump.pumpOnce();
    EXPECT_EQ(delivered.back(), "late");
}

TEST_F(PumpFixture, HeldInputWaitsAndDoesNotCutWaitsShort) {
    bool hold = true;
    pump.setDispatcher([&](const InputEvent& e) {
        if (hold) return false;
        delivered.push_back(e.control);
        return true;
    });
    pump.post({0, InputKind::Click, "cmd_Bye", ""});
    pump.pumpOnce();
    EXPECT_TRUE(delivered.empty());
    EXPECT_TRUE(pump.hasPendingInput());
    // The held click must not make the wait return at once (that would spin forever).
    pump.waitForEvent(100);
    EXPECT_EQ(host.elapsedMs(), 100);
    hold = false;
    pump.pumpOnce();
    EXPECT_EQ(delivered, (std::vector<std::string>{"cmd_Bye"}));
}

TEST_F(PumpFixture, TimerTicksEveryIntervalUntilDisarmed) {
    int ticks = 0;
    pump.armTimer(100, [&] { ++ticks; });
    for (int i = 0; i < 3; ++i) {
        pump.waitForEvent(1000);
        pump.pumpOnce();
    }
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(host.elapsedMs(), 300);
    pump.disarmTimer();
    pump.waitForEvent(1000);
    pump.pumpOnce();
    EXPECT_EQ(ticks, 3);
}

TEST_F(PumpFixture, NestingIsCountedBoundedAndRestoredWhenAHandlerEndsTheProgram) {
    int deepest = 0;
    int deliveries = 0;
    pump.setDispatcher([&](const InputEvent&) {
        ++deliveries;
        deepest = std::max(deepest, pump.depth());
        if (deliveries < 50) pump.post({host.elapsedMs(), InputKind::Click, "again", ""});
        pump.pumpOnce();  // a handler that waits pumps again from inside its delivery
        return true;
    });
    pump.post({0, InputKind::Click, "start", ""});
    pump.pumpOnce();
    EXPECT_EQ(deepest, MessagePump::kMaxNesting);
    EXPECT_EQ(deliveries, 50);
    EXPECT_EQ(pump.depth(), 0);

    struct End {};
    pump.setDispatcher([&](const InputEvent&) -> bool { throw End{}; });
    pump.post({host.elapsedMs(), InputKind::Click, "cmd_Bye", ""});
    EXPECT_THROW(pump.pumpOnce(), End);
    EXPECT_EQ(pump.depth(), 0);
}

TEST_F(PumpFixture, TickerRunsOncePerPeriodOfProgramTime) {
    std::vector<std::int64_t> at;
    pump.setTicker(1000, [&] { at.push_back(host.elapsedMs()); });
    while (host.elapsedMs() < 3500) {
        pump.waitForEvent(400);
        pump.pumpOnce();
    }
    EXPECT_EQ(at, (std::vector<std::int64_t>{1000, 2000, 3000}));
}

}  // namespace
}  // namespace orvant
