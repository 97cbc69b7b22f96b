#include "radio/yaesu/ft736_dial.h"

#include "config/text_rules.h"
#include "controller/cat_message.h"
#include "radio/adjust_read.h"
#include "radio/frequency_switches.h"
#include "radio/radio_drivers.h"
#include "radio/yaesu/five_byte.h"
#include "radio/yaesu/yaesu.h"
#include "station/station.h"
#include "station/waits.h"

namespace orvant {

namespace {

constexpr const char* kPrompt = "lbl_736_freq_left";

struct TypedDial {
    const char* caption;
    const char* box;
};
// By position: uplink, downlink.
constexpr TypedDial kTypedDials[] = {
    {"Type in Uplink Frequency and press \"Enter\"", "txt_uplink"},
    {"Type in Downlink Frequency and press \"Enter\"", "txt_736_freq"}};

const RadioType* ft736At(const Station& station, int side) {
    const RadioType* type = radioTypeAt(station.sat, side);
    return type && type->driver == RadioDriver::Ft736 ? type : nullptr;
}

// The number typed into the position's box (0 for anything else), in MHz.
double typedMHz(Station& station, int side) {
    const TypedDial& typed = kTypedDials[side];
    Display& d = station.display;
    d.setCaption(kPrompt, typed.caption);
    d.show(kPrompt);
    d.setCaption(typed.box, "");
    d.show(typed.box);
    station.rot.enterPressed = 0;  // only a Return into the box shown now ends the entry
    waitUntil(station, [&station] { return station.rot.enterPressed == 1; });
    station.rot.enterPressed = 0;
    d.hide(kPrompt);
    d.hide(typed.box);
    return leadingNumber(d[typed.box].caption);
}

void takeTypedDial(Station& station, int side) {
    RadioState& radio = station.radio;
    radio.readFreq = typedMHz(station, side);
    radio.readSide = static_cast<std::int16_t>(side + 1);
    adjust_read(station);
    radio.readSide = 0;
}

void releaseBothLinks(Station& station) {
    Lbl_inhibit_rx_Click(station);
    lbl_inhibit_tx_Click(station);
}

void readTyped(Station& station, int side) {
    Lbl_inhibit_rx_DblClick(station);
    lbl_inhibit_tx_DblClick(station);
    takeTypedDial(station, side);
    releaseBothLinks(station);
}

}  // namespace

void readback_736_tx(Station& station, const RadioType&) {
    readTyped(station, 0);
}

void readback_736_rx(Station& station, const RadioType&) {
    readTyped(station, 1);
}

void dial_736(Station& station) {
    takeTypedDial(station, 1);
    station.display["hs_DnFine"].value = 0;
    releaseBothLinks(station);
    station.display.show("lbl_voice");
    station.display.show("hs_DnFine");  // the slider that trims the voice
}

bool ft736OutOfCat(const Station& station, int side) {
    if (!ft736At(station, side)) return false;
    const RadioState& radio = station.radio;
    if (sameRadioBothPositions(station.sat)) return radio.txInhibit && radio.rxInhibit;
    return side == 0 ? radio.txInhibit : radio.rxInhibit;
}

void yaesu_exit(Station& station, int side) {
    if (ft736At(station, side))
        sendCatBytes(station, static_cast<std::int16_t>(side + 1), yaesu::block(yaesu::kCatOff));
}

void resume736(Station& station, int side) {
    const RadioType* type = ft736At(station, side);
    if (!type) return;
    station.radio.catSide = static_cast<std::int16_t>(side);
    init736(station, *type);
}

bool holdsFt736(const Station& station, int side) {
    return ft736At(station, side) != nullptr;
}

}  // namespace orvant
