#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "display/display.h"
#include "platform/message_pump.h"

class QWidget;

namespace orvant {

// The operator's window: one widget per control of the display model, named after the control.
// `render` brings the widgets in line with the model; the operator's clicks, keys and slider moves
// are only queued on the message pump as input, so every handler runs from the program's own pump
// and never from inside the toolkit.
class QtWindow {
  public:
    QtWindow(Display& display, MessagePump& pump, const std::string& title);
    ~QtWindow();
    QtWindow(const QtWindow&) = delete;
    QtWindow& operator=(const QtWindow&) = delete;

    // Shows what changed in the model since the last call.
    void render();
    QWidget& mainWindow() { return *main_; }
    // The widget of a control, nullptr when the model has no such control.
    QWidget* widget(std::string_view name) const;

  private:
    class InputFilter;
    struct Shown {
        QWidget* widget = nullptr;
        Control last;
        bool rendered = false;
    };
    void build();
    QWidget* makeWidget(const std::string& name);
    void renderOne(const std::string& name, Shown& shown);

    Display& display_;
    MessagePump& pump_;
    std::unique_ptr<QWidget> main_;
    std::unique_ptr<InputFilter> filter_;
    std::unordered_map<std::string, Shown> shown_;
};

}  // namespace orvant
