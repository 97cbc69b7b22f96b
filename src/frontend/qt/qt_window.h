#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "display/display.h"
#include "frontend/sky_view.h"
#include "platform/message_pump.h"

class QGridLayout;
class QHBoxLayout;
class QLayout;
class QWidget;

namespace orvant {

class SkyWidget;

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
    // Puts up the sky view beside the bearings, drawn from `source` on every render.
    void showSky(std::function<const SkyPicture&()> source);

  private:
    class InputFilter;
    struct Shown {
        QWidget* widget = nullptr;
        QWidget* title = nullptr;  // the small title over a readout, if any
        Control last;
        bool rendered = false;
    };
    void build();
    QWidget* buildGroups();
    void place(const std::string& name, QWidget& w);
    void addToGroup(const std::string& group, QWidget& w, bool wholeRow, bool startsRow);
    QWidget& cellOf(const std::string& name, QWidget& w, const std::string& title);
    QWidget* makeWidget(const std::string& name);
    // Renders one control; true when its visibility changed.
    bool renderOne(const std::string& name, Shown& shown);
    // A group shows while any of its controls does: an empty box says nothing to the operator.
    void showGroupsWithContent();

    Display& display_;
    MessagePump& pump_;
    std::unique_ptr<QWidget> main_;
    std::unique_ptr<InputFilter> filter_;
    std::unordered_map<std::string, Shown> shown_;
    std::map<std::string, QGridLayout*, std::less<>> groups_;
    std::map<std::string, int, std::less<>> groupCells_;
    std::map<std::string, std::vector<std::string>, std::less<>> groupMembers_;
    std::set<std::string, std::less<>> hosts_;  // controls that share their cell with others
    std::map<std::string, QHBoxLayout*, std::less<>> cells_;
    SkyWidget* sky_ = nullptr;
    std::function<const SkyPicture&()> skySource_;
};

}  // namespace orvant
