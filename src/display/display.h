#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/message_pump.h"

namespace orvant {

// Colours are 24-bit values in blue-green-red order.
namespace bgr {
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0xFF0000;
constexpr std::uint32_t kYellow = 0x00FFFF;
constexpr std::uint32_t kGrey = 0xC0C0C0;
constexpr std::uint32_t kLightRed = 0xC0C0FF;
constexpr std::uint32_t kDarkBlue = 0x800000;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
}  // namespace bgr

// One control of the main window as the station logic sees it.
struct Control {
    std::string caption;  // caption of a label, text of an entry box
    bool visible = true;
    bool enabled = true;
    std::uint32_t foreColor = bgr::kBlack;
    std::uint32_t backColor = bgr::kGrey;
    std::string tooltip;
    int value = 0;  // slider position or check-box state (0/1)
    int min = 0;
    int max = 0;
    std::vector<std::string> items;  // entries of a list
    int selected = -1;               // index of the selected entry, -1 for none

    bool operator==(const Control&) const = default;
};

// A label as the window declares it: its caption, tooltip and whether it shows.
Control labelControl(std::string caption, std::string tooltip = {}, bool visible = true);

enum class ControlEvent { Click, DblClick, KeyPress, Change };

// The display model: the window's controls by name, and the handlers of their events. The Qt
// window and the headless front-end both render this one model; tests read it.
class Display {
  public:
    using Handler = std::function<void()>;
    using KeyHandler = std::function<void(int keyCode)>;

    // Declares a control; using an undeclared name is a programming error and throws.
    Control& declare(const std::string& name, Control initial = {});
    bool has(std::string_view name) const { return controls_.find(name) != controls_.end(); }
    // Whether the operator can reach the control: declared, shown and enabled, and for a control
    // of another window (named "window.control") that window too.
    bool takesInput(std::string_view name) const;
    // The names of every declared control, sorted.
    std::vector<std::string> names() const;
    Control& operator[](std::string_view name);
    const Control& operator[](std::string_view name) const;

    void show(std::string_view name, bool visible = true) { (*this)[name].visible = visible; }
    void hide(std::string_view name) { (*this)[name].visible = false; }
    void enable(std::string_view name, bool enabled = true) { (*this)[name].enabled = enabled; }
    void setCaption(std::string_view name, std::string caption) {
        (*this)[name].caption = std::move(caption);
    }

    // Handlers. A handler marked `startsExchange` talks to the controller card; while an exchange
    // is under way such input waits until the exchange has ended (see `setExchangeActive`).
    void on(const std::string& name, ControlEvent event, Handler handler,
            bool startsExchange = false);
    void onKey(const std::string& name, KeyHandler handler, bool startsExchange = false);

    // Runs the handler of one event directly (the program calling its own handlers).
    void fire(const std::string& name, ControlEvent event);

    // Delivers one piece of operator input: updates the control the way the operator's action
    // would, then runs its handler. Input to a control the operator cannot reach (see
    // `takesInput`) is used up without effect: a window cannot click what it does not show.
    // Returns false (nothing done) when the input must wait for the running exchange to end.
    bool deliver(const InputEvent& input);

    // Called with each piece of input that `deliver` used up because its control could not
    // take it.
    void onUnreachableInput(std::function<void(const InputEvent&)> observer) {
        unreachableInput_ = std::move(observer);
    }

    // Set while a controller exchange is under way.
    void setExchangeActive(bool active) { exchangeActive_ = active; }
    bool exchangeActive() const { return exchangeActive_; }

  private:
    struct Binding {
        Handler handler;
        bool startsExchange = false;
    };
    struct KeyBinding {
        KeyHandler handler;
        bool startsExchange = false;
    };
    bool mustWait(const InputEvent& input) const;
    const Binding* binding(const std::string& name, ControlEvent event) const;

    // Looked up by name many times on every loop pass: hashed, and without building a string.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };
    std::unordered_map<std::string, Control, NameHash, std::equal_to<>> controls_;
    std::map<std::pair<std::string, ControlEvent>, Binding> handlers_;
    std::map<std::string, KeyBinding> keyHandlers_;
    bool exchangeActive_ = false;
    std::function<void(const InputEvent&)> unreachableInput_;
};

}  // namespace orvant
