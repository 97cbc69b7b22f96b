#include "ui/time_date.h"

#include <cmath>

#include "station/handlers.h"
#include "station/station.h"
#include "ui/clock_date.h"

namespace orvant {

namespace {

constexpr int kMinutesPerDay = 1440;

std::string twoDigits(int value) {
    const std::string digits = std::to_string(value);
    return digits.size() < 2 ? "0" + digits : digits;
}

std::string clockText(const LocalDateTime& now) {
    return twoDigits(now.hour) + ":" + twoDigits(now.minute) + ":" + twoDigits(now.second);
}

Control hiddenLabel(std::string caption) {
    return labelControl(std::move(caption), {}, false);
}

}  // namespace

std::string utcText(const LocalDateTime& now, double timeOffsetHours) {
    int t = now.hour * 60 + now.minute - static_cast<int>(std::lround(timeOffsetHours * 60));
    if (t < 0) t += kMinutesPerDay;
    if (t >= kMinutesPerDay) t -= kMinutesPerDay;  // midnight is 00, not 24
    return twoDigits(t / 60) + ":" + twoDigits(t % 60) + ":" + twoDigits(now.second);
}

std::string dateText(const LocalDateTime& now, double dateFormatSwitch) {
    if (dateFormatSwitch != 1) {
        return std::to_string(now.year) + "-" + twoDigits(now.month) + "-" + twoDigits(now.day);
    }
    const CalendarDate date = programDate(now, dateFormatSwitch);
    return std::to_string(date.day) + "-" + std::to_string(date.month) + "-" +
           std::to_string(date.year);
}

void showTimeAndDate(Station& station, const LocalDateTime& now) {
    Display& d = station.display;
    d.setCaption("lbl_timebox", clockText(now));
    d.setCaption("lbl_UTC", utcText(now, station.cfg.timeOffsetHours));
    d.setCaption("lbl_datebox", dateText(now, station.cfg.dateFormatSwitch));
}

void declareTimeDateControls(Display& d) {
    d.declare("lbl_timebox", labelControl({}, "Local Time"));
    d.declare("lbl_UTC", labelControl({}, "Coordinated Universal Time  or   (GMT)"));
    d.declare("lbl_datebox");
    d.declare("Form4", hiddenLabel("ORVANT Date Format Utility"));
    d.declare("Form4.lbl_advice",
              labelControl("Set the system date to the first day of a month and click \"Test "
                           "Date Format\". When the day and the month come out exchanged, set "
                           "the date-format question of ORV.CFG to 1, then restore the system "
                           "date."));
    d.declare("Form4.Label1", labelControl("Test Date Format"));
    d.declare("Form4.lbl_day", labelControl("Day"));
    d.declare("Form4.lbl_month", labelControl("Month"));
    d.declare("Form4.lbl_year", labelControl("Year"));
    d.declare("Form4.Command1", labelControl("Exit"));
}

void bindTimeDateHandlers(Station& station) {
    bindHandler(station, "lbl_UTC", ControlEvent::DblClick, lbl_UTC_DblClick);
    bindHandler(station, "lbl_timebox", ControlEvent::DblClick, lbl_timebox_DblClick);
    bindHandler(station, "lbl_datebox", ControlEvent::Click, lbl_datebox_Click);
    bindHandler(station, "Form4.Label1", ControlEvent::Click, Form4_Label1_Click);
    bindHandler(station, "Form4.Command1", ControlEvent::Click, Form4_Command1_Click);
}

void lbl_UTC_DblClick(Station& station) {
    station.link.diagnostic = true;
    station.display.show("Text4");
    station.display.fire("Lbl_inhibit_rx", ControlEvent::Click);
}

void lbl_timebox_DblClick(Station& station) {
    station.track.stepMode = true;
    station.display.show("Text1");
    station.display.show("Text2");
}

void lbl_datebox_Click(Station& station) {
    station.display.show("Form4");
}

void Form4_Label1_Click(Station& station) {
    const LocalDateTime now = station.platform.host.localTime();
    station.display.setCaption("Form4.lbl_day", std::to_string(now.day));
    station.display.setCaption("Form4.lbl_month", std::to_string(now.month));
    station.display.setCaption("Form4.lbl_year", std::to_string(now.year));
}

void Form4_Command1_Click(Station& station) {
    station.display.hide("Form4");
}

}  // namespace orvant
