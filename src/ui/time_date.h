#pragma once

#include <string>

#include "platform/local_time.h"

namespace orvant {

class Display;
struct Station;

// The time and date boxes of the main window and the doors they open to diagnostics.

// UTC as the window shows it ("hh:mm:ss"): the clock's hour and minute less the station's offset
// (ORV.CFG value 4, hours), wrapped into one day, with the clock's seconds.
std::string utcText(const LocalDateTime& now, double timeOffsetHours);
// The date box: the clock's date ("YYYY-MM-DD"), or with the date-format switch (ORV.CFG value 5)
// at 1 day, month and year joined by "-" as `programDate` gives them.
std::string dateText(const LocalDateTime& now, double dateFormatSwitch);

// Local time, UTC and date, from the loop's one clock reading of the pass.
void showTimeAndDate(Station& station, const LocalDateTime& now);

void declareTimeDateControls(Display& display);
void bindTimeDateHandlers(Station& station);

// Turns the radio read-back dumps on and frees the downlink from the Doppler.
void lbl_UTC_DblClick(Station& station);
// Step mode: the loop then holds after every radio read-back.
void lbl_timebox_DblClick(Station& station);
// Opens the date-format utility window `Form4`.
void lbl_datebox_Click(Station& station);
// `Form4`: shows the clock's day, month and year apart, so the operator sees their order.
void Form4_Label1_Click(Station& station);
void Form4_Command1_Click(Station& station);

}  // namespace orvant
