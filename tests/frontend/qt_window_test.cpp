#include "frontend/qt/qt_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <utility>
#include <vector>

#include "frontend/qt/qt_alerts.h"
#include "frontend/qt/qt_host.h"
#include "station/program_end.h"
#include "station/waits.h"
#include "support/pass_station.h"
#include "support/station_harness.h"

namespace orvant {
namespace {

using testing::StationHarness;

QApplication& application() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "orvant_tests";
    static char* argv[] = {name, nullptr};
    // Left to the end of the process: the toolkit tears its own globals down first.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

// The main window on a whole station, with the window shown as start-up shows it.
struct WindowStation : StationHarness {
    WindowStation() : window((application(), display), pump, "ORVANT") {
        display.show("Form1");
        window.render();
    }
    template <typename W = QWidget>
    W& widget(const std::string& name) {
        W* w = qobject_cast<W*>(window.widget(name));
        if (!w) throw std::logic_error("no widget of that kind for " + name);
        return *w;
    }
    QtWindow window;
};

// Every control sits in the window it belongs to: "Form3.Command1" in Form3, the others in the
// main window (inside their group or compass-scale panel).
TEST(QtWindow, EveryControlOfTheModelHasItsWidgetShownAsTheModelSays) {
    WindowStation s;
    const std::vector<std::string> names = s.display.names();
    ASSERT_GT(names.size(), 100u);
    for (const std::string& name : names) {
        QWidget* w = s.window.widget(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(w->objectName().toStdString(), name);
        const std::string window = name.substr(0, name.find('.'));
        if (name.find('.') != std::string::npos || name.starts_with("Form") ||
            name.starts_with("frm"))
            EXPECT_EQ(w->window()->objectName().toStdString(), window) << name;
        else
            EXPECT_EQ(w->window(), &s.window.mainWindow()) << name;
        const Control& c = s.display[name];
        EXPECT_EQ(!w->isHidden(), c.visible) << name;
        EXPECT_EQ(w->isEnabled(), c.enabled) << name;
        EXPECT_EQ(w->toolTip().toStdString(), c.tooltip) << name;
    }
}

// A check box reads by its own caption or by its caption label sharing its cell; never by its name.
TEST(QtWindow, CheckBoxesReadByACaption) {
    WindowStation s;
    for (QCheckBox* box : s.window.mainWindow().findChildren<QCheckBox*>()) {
        QString caption = box->text();
        if (!qobject_cast<QGroupBox*>(box->parentWidget()))  // a cell of its own
            for (QLabel* label :
                 box->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
                caption += label->text();
        EXPECT_NE(box->text().toStdString(), box->objectName().toStdString());
        EXPECT_FALSE(caption.trimmed().isEmpty()) << box->objectName().toStdString();
    }
}

TEST(QtWindow, WidgetsFollowTheModelLive) {
    WindowStation s;
    s.display["lbl_sat_name"].caption = "AO-7";
    s.display["hs_Azimuth"].value = 21;
    s.display["ch_RotAz"].value = 1;
    s.display.hide("cmd_Bye");
    s.display.enable("txt_aztxt", false);
    s.window.render();

    EXPECT_EQ(s.widget<QLabel>("lbl_sat_name").text(), "AO-7");
    EXPECT_EQ(s.widget<QSlider>("hs_Azimuth").value(), 21);
    EXPECT_TRUE(s.widget<QCheckBox>("ch_RotAz").isChecked());
    EXPECT_FALSE(s.widget("cmd_Bye").isVisible());
    EXPECT_FALSE(s.widget("txt_aztxt").isEnabled());
}

// The phase label switched off (red, yellow text), on (grey, navy text) and back to the default
// pair, which shows the desktop's palette like every label that was never coloured.
TEST(QtWindow, ALabelShowsEachColourItIsGivenGreyIncluded) {
    WindowStation s;
    const QPalette desktop = s.widget("lbl_satpos").palette();
    struct Step {
        std::uint32_t back, text;
        QColor shownBack, shownText;
    };
    const Step steps[] = {
        {bgr::kRed, bgr::kYellow, QColor(255, 0, 0), QColor(255, 255, 0)},
        {bgr::kGrey, bgr::kDarkBlue, QColor(192, 192, 192), QColor(0, 0, 128)},
        {bgr::kGrey, bgr::kBlack, desktop.color(QPalette::Window),
         desktop.color(QPalette::WindowText)},
    };
    for (const Step& step : steps) {
        Control& label = s.display["lbl_ma256"];
        label.backColor = step.back;
        label.foreColor = step.text;
        s.window.render();
        const QWidget& shown = s.widget("lbl_ma256");
        EXPECT_EQ(shown.palette().color(QPalette::Window), step.shownBack) << step.back;
        EXPECT_EQ(shown.palette().color(QPalette::WindowText), step.shownText) << step.text;
    }
}

struct InputCase {
    std::string name;
    std::string control;
    std::function<void(QWidget&)> act;
    std::vector<std::pair<InputKind, std::string>> expected;
};

class QtWindowInput : public ::testing::TestWithParam<InputCase> {};

TEST_P(QtWindowInput, OperatorActionsReachThePumpAsInputByControlName) {
    WindowStation s;
    s.display["File1"].items = {"AO 7.SAT", "FO-29.SAT"};
    s.window.render();
    std::vector<std::pair<InputKind, std::string>> got;
    s.pump.setDispatcher([&](const InputEvent& e) {
        EXPECT_EQ(e.control, GetParam().control);
        got.emplace_back(e.kind, e.text);
        return true;
    });
    GetParam().act(*s.window.widget(GetParam().control));
    EXPECT_TRUE(got.empty()) << "no handler runs inside the toolkit";
    s.pump.pumpOnce();
    EXPECT_EQ(got, GetParam().expected);
}

void click(QWidget& w) {
    QTest::mouseClick(&w, Qt::LeftButton);
}

// clang-format off
const InputCase kInputs[] = {
    {"ButtonClick", "cmd_Bye", click, {{InputKind::Click, ""}}},
    {"DoubleClickIsOneClickThenTheDoubleClick", "lbl_hf",
     [](QWidget& w) { click(w); QTest::mouseDClick(&w, Qt::LeftButton); },
     {{InputKind::Click, ""}, {InputKind::DblClick, ""}}},
    {"KeysIntoAnEntryBox", "txt_aztxt",
     [](QWidget& w) {
         QTest::keyClicks(&w, "12");
         QTest::keyClick(&w, Qt::Key_Backspace);
         QTest::keyClick(&w, Qt::Key_Return);
     },
     {{InputKind::Keys, "1"}, {InputKind::Keys, "2"}, {InputKind::Keys, "\b"},
      {InputKind::Keys, "\r"}}},
    {"SliderStep", "hs_Azimuth",
     [](QWidget& w) { static_cast<QSlider&>(w).triggerAction(QSlider::SliderSingleStepAdd); },
     {{InputKind::Set, "1"}}},
    {"TickedCheckBoxClickedOff", "ch_RotAz", click, {{InputKind::Set, "0"}}},
    {"ListEntryPicked", "File1",
     [](QWidget& w) {
         auto& list = static_cast<QListWidget&>(w);
         QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                           list.visualItemRect(list.item(1)).center());
     },
     {{InputKind::Select, "FO-29.SAT"}}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Actions, QtWindowInput, ::testing::ValuesIn(kInputs),
                         [](const auto& info) { return info.param.name; });

TEST(QtWindow, UtilityWindowsOpenAndCloseThroughTheirWidgets) {
    WindowStation s;
    s.pump.setDispatcher([&](const InputEvent& e) { return s.display.deliver(e); });
    const auto operate =
        [&](void (*act)(QWidget*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint, int),
            const char* control) {
            act(s.window.widget(control), Qt::LeftButton, {}, {}, -1);
            s.pump.pumpOnce();
            s.window.render();
        };
    operate(QTest::mouseDClick, "lbl_help");
    EXPECT_TRUE(s.widget("Form3").isVisible());
    operate(QTest::mouseClick, "lbl_datebox");
    EXPECT_TRUE(s.widget("Form4").isVisible());
    operate(QTest::mouseClick, "Form4.Command1");
    EXPECT_FALSE(s.widget("Form4").isVisible());
    operate(QTest::mouseClick, "Form3.Command1");
    EXPECT_FALSE(s.widget("Form3").isVisible());
}

TEST(QtWindow, ClosingTheWindowIsExitAndRunsTheShutdown) {
    WindowStation s;
    s.window.mainWindow().close();
    EXPECT_TRUE(s.window.mainWindow().isVisible()) << "the program, not the toolkit, ends";
    try {
        waitUntil(s.station, [] { return false; });
        FAIL() << "the program did not end";
    } catch (const ProgramEnd& end) {
        EXPECT_EQ(end.reason, EndReason::Exit);
    }
}

// A handler that waits for the operator (a freeze, a manual entry, the file list) pumps again
// from inside; on the PC clock the window must still take the operator's input meanwhile.
TEST(QtWindow, AWaitingHandlerKeepsTheWindowResponsive) {
    application();
    RealHost clock;
    Display display;
    display.declare("Form1");
    display.declare("cmd_Wait");
    display.declare("cmd_Go");
    std::unique_ptr<QtWindow> window;
    QtHost host(clock, true, [&] { window->render(); });
    MessagePump pump(host);
    pump.setDispatcher([&](const InputEvent& e) { return display.deliver(e); });
    window = std::make_unique<QtWindow>(display, pump, "ORVANT");
    bool waiting = false, released = false;
    int depthAtRelease = 0;
    display.on("cmd_Wait", ControlEvent::Click, [&] {
        waiting = true;
        while (!released) {
            pump.waitForEvent(5000);
            pump.pumpOnce();
        }
    });
    display.on("cmd_Go", ControlEvent::Click, [&] {
        released = true;
        depthAtRelease = pump.depth();
    });
    QTimer::singleShot(10, [&] { QTest::mouseClick(window->widget("cmd_Wait"), Qt::LeftButton); });
    QTimer::singleShot(60, [&] { QTest::mouseClick(window->widget("cmd_Go"), Qt::LeftButton); });

    QElapsedTimer took;
    took.start();
    while (!released && took.elapsed() < 5000) {
        pump.waitForEvent(5000);
        pump.pumpOnce();
    }
    EXPECT_TRUE(waiting);
    EXPECT_TRUE(released);
    EXPECT_EQ(depthAtRelease, 2) << "released from inside the waiting handler";
    EXPECT_LT(took.elapsed(), 1000) << "the waits woke for the operator's input";
}

// A group box shows while any of its controls does, and hides when the model hides them all.
TEST(QtWindow, AGroupShowsOnlyWhileAnyOfItsControlsDoes) {
    WindowStation s;
    QGroupBox* tracking = nullptr;
    for (QGroupBox* box : s.window.mainWindow().findChildren<QGroupBox*>())
        if (box->title() == "Tracking program") tracking = box;
    ASSERT_NE(tracking, nullptr);
    std::vector<std::string> members;
    for (const std::string& name : s.display.names())
        if (tracking->isAncestorOf(s.window.widget(name))) members.push_back(name);
    ASSERT_FALSE(members.empty());
    for (const std::string& name : members) s.display.hide(name);
    s.window.render();
    EXPECT_TRUE(tracking->isHidden());
    s.display.show(members.front());
    s.window.render();
    EXPECT_FALSE(tracking->isHidden());
}

// The window as the program opens it fits a 1366x768 display with no scroll bar: with the widest
// compass scale (rotator type 4, from 90 to 180 degrees) during a pass, and with a tracking
// program's waiting notice.
TEST(QtWindow, FitsA1366By768DisplayAsItOpens) {
    struct Case {
        const char* name;
        const char* commandLine;
        const char* rotatorType;
    };
    for (const Case c : {Case{"WidestScale", "AO-7", "4"}, Case{"WaitingForNova", "NOVA", "2"}}) {
        SCOPED_TRACE(c.name);
        application();
        testing::PassStation pass({2018, 1, 21, 4, 35, 0, 0});
        pass.setConfig(22, c.rotatorType);
        pass.conversations.answer(
            "NFW32", "NFW_DATA",
            {{ConversationStatus::Ok, "AO-7 AZ:200.0 EL:-10.0 RR:2.0 MA:90 Flip:No "}});
        QtWindow window(pass.display, pass.pump, "ORVANT");
        SkyView sky;
        window.showSky([&]() -> const SkyPicture& {
            return sky.picture(pass.station, pass.host.localTime());
        });
        QWidget& main = window.mainWindow();
        bool looked = false;
        pass.observeEvery(10'000, [&] {
            window.render();
            if (std::exchange(looked, true)) return;
            main.show();
            QCoreApplication::processEvents();
            EXPECT_LE(main.width(), 1366);
            EXPECT_LE(main.height(), 768);
            const auto* scroll = main.findChild<QScrollArea*>();
            EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
            EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
        });
        pass.exitAt(20'000);
        pass.run(c.commandLine);
        EXPECT_TRUE(looked);
    }
}

// A note shows in a box of its own that holds nothing up, says the same on the error stream and
// closes itself; waiting for the notes lasts until it has.
TEST(QtAlerts, ANoteShowsWithoutHoldingUpAndClosesItself) {
    application();
    std::ostringstream errors;
    QtAlerts alerts("ORVANT", errors, 200);
    alerts.note("a newer instance has taken over");
    EXPECT_EQ(errors.str(), "orvant: a newer instance has taken over\n");
    const std::vector<QMessageBox*> shown = alerts.notesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_FALSE(shown[0]->isModal());
    EXPECT_EQ(shown[0]->windowTitle().toStdString(), "ORVANT");
    EXPECT_EQ(shown[0]->text().toStdString(), "a newer instance has taken over");
    alerts.waitForNotes();  // until it closes by itself
    EXPECT_TRUE(alerts.notesShown().empty());
}

// A message box's text also goes to the error stream, as it does without a window.
TEST(QtAlerts, AMessageBoxAlsoGoesToTheErrorStream) {
    application();
    std::ostringstream errors;
    QtAlerts alerts("ORVANT", errors);
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    alerts.messageBox("first line\r\nsecond line");
    EXPECT_EQ(errors.str(), "[message] first line\nsecond line\n");
}

// The main window during the sample pass of AO-7, saved as the run's picture of it.
TEST(QtWindow, ScreenshotDuringASimulatedPass) {
    application();
    testing::PassStation pass({2018, 1, 21, 4, 20, 0, 0});
    QtWindow window(pass.display, pass.pump, "ORVANT");
    SkyView sky;
    window.showSky(
        [&]() -> const SkyPicture& { return sky.picture(pass.station, pass.host.localTime()); });
    QWidget& main = window.mainWindow();
    const auto snap = [&](QSize size, const char* file) {
        main.resize(size);
        QCoreApplication::processEvents();  // what the window's host does on every pump pass
        auto* scroll = main.findChild<QScrollArea*>();
        EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible()) << "fits the width at " << file;
        EXPECT_TRUE(main.grab().toImage().save(file));
    };
    bool shot = false;
    pass.observeEvery(60'000, [&] {
        window.render();
        if (pass.host.elapsedMs() < 14 * 60'000 || std::exchange(shot, true)) return;
        snap({1920, 1080}, "qt-main-window-large.png");
        snap({1366, 768}, "qt-main-window.png");
    });
    pass.exitAt(15 * 60'000);
    pass.run("AO-7");
    EXPECT_TRUE(shot);
    EXPECT_TRUE(main.isVisible());
}

}  // namespace
}  // namespace orvant
