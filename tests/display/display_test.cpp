#include "display/display.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvant {
namespace {

// Operator input reaches a control only while the window shows it and it is enabled: otherwise
// the input is used up without changing the control or running its handler. The program itself
// may still run the handler.
TEST(Display, InputReachesOnlyControlsThatAreShownAndEnabled) {
    struct State {
        const char* name;
        bool visible, enabled;
    };
    const State states[] = {{"shown", true, true},
                            {"hidden", false, true},
                            {"disabled", true, false},
                            {"hidden and disabled", false, false}};
    const InputEvent inputs[] = {{0, InputKind::Click, "c", ""},
                                 {0, InputKind::DblClick, "c", ""},
                                 {0, InputKind::Set, "c", "7"},
                                 {0, InputKind::Select, "c", "B"},
                                 {0, InputKind::Keys, "c", "x"}};
    for (const State& state : states) {
        for (const InputEvent& input : inputs) {
            SCOPED_TRACE(::testing::Message()
                         << state.name << ", input kind " << static_cast<int>(input.kind));
            Display d;
            Control initial;
            initial.items = {"A", "B"};
            initial.visible = state.visible;
            initial.enabled = state.enabled;
            d.declare("c", initial);
            int handled = 0;
            for (ControlEvent event :
                 {ControlEvent::Click, ControlEvent::DblClick, ControlEvent::Change})
                d.on("c", event, [&handled] { ++handled; });
            d.onKey("c", [&handled](int) { ++handled; });

            EXPECT_TRUE(d.deliver(input));  // used up, never held back
            const bool reaches = state.visible && state.enabled;
            EXPECT_EQ(handled, reaches ? 1 : 0);
            if (!reaches) {
                EXPECT_EQ(d["c"], initial);
            }
        }
    }
    Display d;
    d.declare("c", labelControl("", "", false));
    int handled = 0;
    d.on("c", ControlEvent::DblClick, [&handled] { ++handled; });
    d.fire("c", ControlEvent::DblClick);
    EXPECT_EQ(handled, 1);
}

TEST(Display, AControlOfAnotherWindowTakesInputOnlyWhileThatWindowShows) {
    Display d;
    d.declare("Form3", labelControl("", "", false));
    d.declare("Form3.Command1");
    EXPECT_FALSE(d.takesInput("Form3.Command1"));
    d.show("Form3");
    EXPECT_TRUE(d.takesInput("Form3.Command1"));
}

}  // namespace
}  // namespace orvant
