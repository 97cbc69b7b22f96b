#include "frontend/qt/qt_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "frontend/qt/sky_widget.h"
#include "frontend/qt/widget_kinds.h"
#include "frontend/window_layout.h"

namespace orvant {

namespace {

constexpr int kGridColumns = 3;
constexpr char kMainForm[] = "Form1";
constexpr char kBearings[] = "Bearings";
// The groups in the main window's three columns, each column top to bottom.
const std::vector<std::vector<std::string_view>> kColumns{
    {"Satellite, time and date", "Tracking program", "Controller"},
    {kBearings},
    {"Uplink and downlink", "More"}};
constexpr char kExitButton[] = "cmd_Bye";

QColor colourOf(std::uint32_t bgr) {
    return QColor::fromRgb(rgbFromBgr(bgr));
}

// Keys as the model's entry boxes take them: Enter is a carriage return, Backspace a backspace.
std::string keyText(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return "\r";
    if (key.key() == Qt::Key_Backspace) return "\b";
    return key.text().toStdString();
}

bool takesClicks(WidgetKind kind) {
    return kind == WidgetKind::Button || kind == WidgetKind::Label || kind == WidgetKind::Lamp ||
           kind == WidgetKind::Entry;
}

// A control with colours of its own (a lamp, or any colour but the default grey with black text)
// shows both of them as the model sets them, grey included; a control in the default pair shows
// the desktop's palette (dark or light), whatever it showed before. The palette is made afresh
// each time, so no colour of an earlier state stays behind.
void applyColours(QWidget& w, const Control& c, WidgetKind kind) {
    QPalette palette;  // the roles left unset come from the desktop's palette
    const bool own =
        kind == WidgetKind::Lamp || c.backColor != bgr::kGrey || c.foreColor != bgr::kBlack;
    if (own) {
        const QPalette::ColorRole role = kind == WidgetKind::Button  ? QPalette::Button
                                         : kind == WidgetKind::Entry ? QPalette::Base
                                                                     : QPalette::Window;
        palette.setColor(role, colourOf(c.backColor));
        for (QPalette::ColorRole text :
             {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            palette.setColor(text, colourOf(c.foreColor));
    }
    w.setAutoFillBackground(own);
    w.setPalette(palette);
}

// Leading blanks place a caption inside a label drawn wider than its text (570 of them put the
// waiting notice of a tracking program out of sight of the controls it masks); this window places
// each control itself and sizes it to its text, so a label shows its caption without them.
std::string withoutLeadingBlanks(const std::string& caption) {
    const std::size_t text = caption.find_first_not_of(' ');
    return text == std::string::npos ? std::string() : caption.substr(text);
}

void applyContent(QWidget& w, const Control& c, WidgetKind kind) {
    switch (kind) {
        case WidgetKind::Window:
            if (!c.caption.empty()) w.setWindowTitle(QString::fromStdString(c.caption));
            break;
        case WidgetKind::Button:
            static_cast<QPushButton&>(w).setText(QString::fromStdString(c.caption));
            break;
        case WidgetKind::CheckBox: {
            auto& box = static_cast<QCheckBox&>(w);
            box.setText(QString::fromStdString(c.caption));
            box.setChecked(c.value != 0);
            break;
        }
        case WidgetKind::Entry:
            static_cast<QLineEdit&>(w).setText(QString::fromStdString(c.caption));
            break;
        case WidgetKind::HSlider:
        case WidgetKind::VSlider: {
            auto& slider = static_cast<QSlider&>(w);
            slider.setRange(c.min, c.max);
            slider.setValue(c.value);
            break;
        }
        case WidgetKind::List: {
            auto& list = static_cast<QListWidget&>(w);
            list.clear();
            for (const std::string& item : c.items) list.addItem(QString::fromStdString(item));
            list.setCurrentRow(c.selected);
            break;
        }
        case WidgetKind::Lamp:
        case WidgetKind::Label: {
            auto& label = static_cast<QLabel&>(w);
            const std::string text = withoutLeadingBlanks(c.caption);
            label.setText(QString::fromStdString(text));
            // A caption laid out with runs of blanks keeps its line; others wrap to fit.
            const bool wrap = kind == WidgetKind::Label && text.find("  ") == std::string::npos;
            if (label.wordWrap() != wrap) label.setWordWrap(wrap);
            break;
        }
        case WidgetKind::Panel:
            break;
    }
}

// A one-line label whose caption changes while the window shows it is a readout: it keeps the
// room its captions have needed so far, growing only when one needs more, so that a new number
// repaints the label alone instead of laying its whole group out again. Text that may wrap is
// left to the layout.
void holdReadoutRoom(QLabel& label) {
    if (!label.isVisible() || (label.wordWrap() && label.text().contains(' '))) return;
    const bool held = label.minimumSize() == label.maximumSize();
    const QSize room = held ? label.sizeHint().expandedTo(label.minimumSize()) : label.sizeHint();
    if (!held || room != label.minimumSize()) label.setFixedSize(room);
}

// Sliders, lists and compass-scale panels take a whole row of their group; other controls a cell.
bool takesWholeRow(WidgetKind kind) {
    return kind == WidgetKind::Panel || kind == WidgetKind::HSlider || kind == WidgetKind::List;
}

}  // namespace

// Turns the operator's actions on the widgets into input on the message pump. A double-click
// arrives from the toolkit as press, release, (press,) double-click, release: the first release
// is the one click the handlers expect before a double-click, and the release that ends the
// double-click is no click of its own.
class QtWindow::InputFilter : public QObject {
  public:
    explicit InputFilter(MessagePump& pump) : pump_(pump) {}

    void post(InputKind kind, const QObject& from, std::string text = {}) {
        pump_.post({pump_.now(), kind, from.objectName().toStdString(), std::move(text)});
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const WidgetKind kind = widgetKindOf(watched->objectName().toStdString());
        switch (event->type()) {
            case QEvent::Close:
                return closeWindow(*watched, *static_cast<QCloseEvent*>(event));
            case QEvent::KeyPress:
                if (kind != WidgetKind::Entry) return false;
                post(InputKind::Keys, *watched, keyText(*static_cast<QKeyEvent*>(event)));
                return true;
            case QEvent::MouseButtonPress:
                return kind != WidgetKind::Entry && kind != WidgetKind::Window &&
                       (takesClicks(kind) || kind == WidgetKind::CheckBox);
            case QEvent::MouseButtonDblClick:
                // A quick second click on a check box ticks it again, like any click.
                if (kind == WidgetKind::CheckBox) return true;
                if (!takesClicks(kind)) return false;
                endingDouble_ = watched;
                post(InputKind::DblClick, *watched);
                return kind != WidgetKind::Entry;
            case QEvent::MouseButtonRelease:
                return release(*watched, kind);
            default:
                return false;
        }
    }

  private:
    bool release(QObject& watched, WidgetKind kind) {
        if (endingDouble_ == &watched) {
            endingDouble_ = nullptr;
            return kind != WidgetKind::Entry;
        }
        if (kind == WidgetKind::CheckBox) {
            post(InputKind::Set, watched,
                 static_cast<QCheckBox&>(static_cast<QWidget&>(watched)).isChecked() ? "0" : "1");
            return true;
        }
        if (!takesClicks(kind)) return false;
        post(InputKind::Click, watched);
        return kind != WidgetKind::Entry;
    }

    // Closing the main window is the operator pressing Exit: the shutdown runs from the pump.
    bool closeWindow(QObject& watched, QCloseEvent& close) {
        if (watched.objectName() != kMainForm) return false;
        close.ignore();
        pump_.post({pump_.now(), InputKind::Click, kExitButton, {}});
        return true;
    }

    MessagePump& pump_;
    QObject* endingDouble_ = nullptr;
};

QtWindow::QtWindow(Display& display, MessagePump& pump, const std::string& title)
    : display_(display),
      pump_(pump),
      main_(std::make_unique<QWidget>()),
      filter_(std::make_unique<InputFilter>(pump)) {
    main_->setObjectName(kMainForm);
    main_->setWindowTitle(QString::fromStdString(title));
    main_->installEventFilter(filter_.get());
    build();
    render();
}

QtWindow::~QtWindow() = default;

void QtWindow::build() {
    auto* scroll = new QScrollArea(main_.get());
    scroll->setWidget(buildGroups());
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(main_.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    std::vector<std::string> names = display_.names();
    for (const std::string& name : names) {
        shown_[name].widget = makeWidget(name);
        if (std::string host = placementOf(name).besideOf; !host.empty()) hosts_.insert(host);
    }
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return placementOf(a).order < placementOf(b).order;
    });
    for (const std::string& name : names) place(name, *shown_[name].widget);
    main_->resize(1340, 740);
}

QWidget* QtWindow::buildGroups() {
    auto* panel = new QWidget;
    auto* columns = new QHBoxLayout(panel);
    for (const auto& column : kColumns) {
        auto* stack = new QVBoxLayout;
        for (std::string_view title : column) {
            auto* box =
                new QGroupBox(QString::fromUtf8(title.data(), static_cast<int>(title.size())));
            auto* beside = new QHBoxLayout(box);  // the grid, and the sky view beside the bearings
            auto* grid = new QGridLayout;
            beside->addLayout(grid, 1);
            groups_.emplace(std::string(title), grid);
            stack->addWidget(box);
        }
        stack->addStretch();
        columns->addLayout(stack, 1);
    }
    return panel;
}

void QtWindow::addToGroup(const std::string& group, QWidget& w, bool wholeRow, bool startsRow) {
    QGridLayout& grid = *groups_.at(group);
    int& cell = groupCells_[group];
    if ((wholeRow || startsRow) && cell % kGridColumns != 0)
        cell += kGridColumns - cell % kGridColumns;
    if (wholeRow) {
        grid.addWidget(&w, cell / kGridColumns, 0, 1, kGridColumns);
        cell += kGridColumns;
        return;
    }
    grid.addWidget(&w, cell / kGridColumns, cell % kGridColumns);
    ++cell;
}

void QtWindow::place(const std::string& name, QWidget& w) {
    const WidgetKind kind = widgetKindOf(name);
    if (kind == WidgetKind::Window) return;
    if (kind == WidgetKind::Panel)
        for (const std::string& label : panelLabels(name))
            if (QWidget* shown = widget(label)) w.layout()->addWidget(shown);
    const Placement where = placementOf(name);
    if (where.window != kMainForm) {
        widget(where.window)->layout()->addWidget(&w);
        return;
    }
    if (!where.panel.empty()) return;
    if (const auto host = cells_.find(where.besideOf); host != cells_.end()) {
        host->second->addWidget(&w);
        return;
    }
    addToGroup(where.group, cellOf(name, w, where.title), takesWholeRow(kind) || where.wholeRow,
               where.startsRow);
    groupMembers_[where.group].push_back(name);
}

// A readout under its small title, or a control with room on its right for its caption label;
// the control alone where it needs neither.
QWidget& QtWindow::cellOf(const std::string& name, QWidget& w, const std::string& title) {
    const bool hostsOthers = hosts_.contains(name);
    if (title.empty() && !hostsOthers) return w;
    auto* cell = new QWidget;
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(&w);
    if (hostsOthers) cells_.emplace(name, row);
    if (title.empty()) {
        cell->setLayout(row);
        return *cell;
    }
    auto* stack = new QVBoxLayout(cell);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(1);
    auto* heading = new QLabel(QString::fromStdString(title));
    QFont small = heading->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    heading->setFont(small);
    heading->setEnabled(false);  // greyed: the window's own text, not the station's
    stack->addWidget(heading);
    stack->addLayout(row);
    if (!hostsOthers) shown_[name].title = heading;  // a shared cell keeps its title
    return *cell;
}

void QtWindow::showSky(std::function<const SkyPicture&()> source) {
    skySource_ = std::move(source);
    sky_ = new SkyWidget;
    groups_.at(kBearings)->parentWidget()->layout()->addWidget(sky_);
    render();
}

QWidget* QtWindow::makeWidget(const std::string& name) {
    const WidgetKind kind = widgetKindOf(name);
    if (name == kMainForm) return main_.get();
    QWidget* w = nullptr;
    switch (kind) {
        case WidgetKind::Window:
            w = new QWidget(main_.get(), Qt::Window);
            new QVBoxLayout(w);
            break;
        case WidgetKind::Panel: {
            auto* frame = new QFrame;
            frame->setFrameShape(QFrame::StyledPanel);
            auto* row = new QHBoxLayout(frame);
            row->setContentsMargins(2, 2, 2, 2);
            row->setSpacing(3);  // 21 tick labels in a row: close enough to fit 1366x768
            w = frame;
            break;
        }
        case WidgetKind::Button:
            w = new QPushButton;
            break;
        case WidgetKind::CheckBox:
            w = new QCheckBox;
            break;
        case WidgetKind::Entry:
            w = new QLineEdit;
            break;
        case WidgetKind::HSlider:
        case WidgetKind::VSlider: {
            auto* slider = new QSlider(kind == WidgetKind::HSlider ? Qt::Horizontal : Qt::Vertical);
            QObject::connect(slider, &QSlider::actionTriggered, filter_.get(), [this, slider] {
                filter_->post(InputKind::Set, *slider, std::to_string(slider->sliderPosition()));
            });
            w = slider;
            break;
        }
        case WidgetKind::List: {
            auto* list = new QListWidget;
            QObject::connect(list, &QListWidget::itemClicked, filter_.get(),
                             [this, list](QListWidgetItem* item) {
                                 filter_->post(InputKind::Select, *list,
                                               item->text().toStdString());
                             });
            w = list;
            break;
        }
        case WidgetKind::Lamp:
            w = new QLabel;
            w->setMinimumSize(16, 16);
            break;
        case WidgetKind::Label:
            w = new QLabel;
            break;
    }
    w->setObjectName(QString::fromStdString(name));
    w->installEventFilter(filter_.get());
    return w;
}

QWidget* QtWindow::widget(std::string_view name) const {
    const auto it = shown_.find(std::string(name));
    return it == shown_.end() ? nullptr : it->second.widget;
}

void QtWindow::render() {
    bool visibilityChanged = false;
    for (auto& [name, shown] : shown_) visibilityChanged |= renderOne(name, shown);
    if (visibilityChanged) showGroupsWithContent();
    if (sky_) sky_->show(skySource_());
}

void QtWindow::showGroupsWithContent() {
    for (const auto& [title, grid] : groups_) {
        const auto members = groupMembers_.find(title);
        const bool anyShown =
            members != groupMembers_.end() &&
            std::any_of(members->second.begin(), members->second.end(),
                        [&](const std::string& name) { return display_[name].visible; });
        grid->parentWidget()->setVisible(anyShown);
    }
}

bool QtWindow::renderOne(const std::string& name, Shown& shown) {
    const Control& c = display_[name];
    if (shown.rendered && shown.last == c) return false;
    const bool visibilityChanged = !shown.rendered || c.visible != shown.last.visible;
    QWidget& w = *shown.widget;
    const WidgetKind kind = widgetKindOf(name);
    const QSignalBlocker quiet(w);  // showing the model is no operator input
    applyContent(w, c, kind);
    if (kind == WidgetKind::Label && shown.rendered && c.caption != shown.last.caption)
        holdReadoutRoom(static_cast<QLabel&>(w));
    // A new palette or tooltip repaints the widget anew: set them only when they changed.
    const Control& last = shown.last;
    if (!shown.rendered || c.foreColor != last.foreColor || c.backColor != last.backColor)
        applyColours(w, c, kind);
    if (!shown.rendered || c.tooltip != last.tooltip)
        w.setToolTip(QString::fromStdString(c.tooltip));
    w.setEnabled(c.enabled);
    w.setVisible(c.visible);
    if (shown.title) shown.title->setVisible(c.visible);
    shown.last = c;
    shown.rendered = true;
    return visibilityChanged;
}

}  // namespace orvant
