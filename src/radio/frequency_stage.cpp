#include "radio/frequency_stage.h"

#include <cmath>
#include <cstdlib>

#include "config/text_rules.h"
#include "radio/catcontrol.h"
#include "radio/frequency_text.h"
#include "station/station.h"
#include "station/tracker_kinds.h"
#include "station/waits.h"

namespace orvant {

namespace {

constexpr double kMHzPerHz = 1e-6;
constexpr double kHzPerKHz = 1000;

// The controls of one link's fine tuning and readout.
struct SideControls {
    const char* slider;
    const char* reset;
    const char* text;
    const char* value;
};
constexpr SideControls kUplinkControls{"hs_UpFine", "ResetUP", "lbl_UpText", "lbl_UpVal"};
constexpr SideControls kDownlinkControls{"hs_DnFine", "ResetDown", "lbl_DnText", "lbl_DnVal"};

// One link as the stage works on it.
struct Side {
    const SideControls& controls;
    double baseMHz;
    double& workingMHz;
    double& sliderMHz;
    int& previousSlider;
    std::int64_t& shiftHz;
};

Side uplinkSide(Station& s) {
    FrequencyState& f = s.freq;
    return {kUplinkControls,   s.sat.uplinkMHz,    f.workingUplinkMHz,
            f.uplinkSliderMHz, f.previousUpSlider, f.uplinkShiftHz};
}

Side downlinkSide(Station& s) {
    FrequencyState& f = s.freq;
    return {kDownlinkControls,   s.sat.downlinkMHz,  f.workingDownlinkMHz,
            f.downlinkSliderMHz, f.previousDnSlider, f.downlinkShiftHz};
}

// A slider offset in kHz, to the millihertz, so that binary fractions do not show.
std::string kHzText(double offsetMHz) {
    constexpr double kMilliHzPerKHz = 1e6;
    return numberText(std::round(offsetMHz * kHzPerKHz * kMilliHzPerKHz) / kMilliHzPerKHz);
}

// Step 2: the readout of the previous pass: the Doppler shift while the slider rests at 0,
// otherwise the slider's offset in kHz.
void showPreviousPass(Display& d, const Side& side) {
    const SideControls& c = side.controls;
    if (d[c.slider].value == 0) {
        d.hide(c.reset);
        d.setCaption(c.text, "Doppler Hz.");
        d.setCaption(c.value, std::to_string(side.shiftHz));
    } else {
        d.setCaption(c.text, "Khz");
        d.setCaption(c.value, kHzText(side.sliderMHz));
    }
}

// Step 3: the operator's fine tuning. Moving a slider sends at once.
void applySlider(Station& s, const Side& side) {
    const int position = s.display[side.controls.slider].value;
    side.sliderMHz = sliderOffsetMHz(s, side.controls.slider);
    side.workingMHz = side.baseMHz + side.sliderMHz;
    if (position != 0) s.display.show(side.controls.reset);
    if (position != side.previousSlider) s.track.freqChanged = 1;
    side.previousSlider = position;
}

std::int64_t shiftAt(const Station& s, double carrierMHz) {
    if (s.track.trackerKind == tracker::kWinTrak)
        return factorShiftHz(carrierMHz, s.freq.wintrakDoppler);
    return rangeRateShiftHz(carrierMHz, s.track.rangeRate);
}

// Step 4: the satellite's Doppler at both carriers. The station sends the uplink against the
// shift, so that the satellite hears it on its base, and hears the downlink with the shift. A
// converter that mirrors the band does so once, in step 6; the shift itself has no sense.
// Under WISP with full DDE control, and once a radio client has set a frequency, the bases
// arrive corrected and the shifts keep their values. A radio server that no client has tuned
// through leaves the satellite file's bases, which need the station's own Doppler.
bool basesArriveCorrected(const Station& s) {
    return (s.track.fullDdeControl == 1 && s.track.trackerKind == tracker::kWisp) ||
           s.radio.clientFrequencies;
}

// Outside a pass of the orbit model there is no shift to follow: the radios hold the bases.
bool outsideOwnPass(const Station& s) {
    return s.track.trackerKind == tracker::kNone && s.track.radiosStarted == 0;
}

void applyDoppler(Station& s, const Side& up, const Side& down) {
    if (basesArriveCorrected(s)) return;
    if (outsideOwnPass(s)) {
        up.shiftHz = 0;
        down.shiftHz = 0;
        return;
    }
    up.shiftHz = shiftAt(s, up.workingMHz);
    down.shiftHz = shiftAt(s, down.workingMHz);
    up.workingMHz = std::abs(up.workingMHz - static_cast<double>(up.shiftHz) * kMHzPerHz);
    down.workingMHz = std::abs(down.workingMHz + static_cast<double>(down.shiftHz) * kMHzPerHz);
}

// Step 5: in fixed-frequency mode the radios get what the entry boxes hold. A box that holds no
// number leaves the pass without frequencies, and nothing is sent until it does.
bool takeTypedFrequencies(Station& s) {
    const auto up = typedFrequency(s.display["txt_rad_left"].caption);
    const auto down = typedFrequency(s.display["txt_rad_right"].caption);
    if (!up || !down) return false;
    s.freq.workingUplinkMHz = *up;
    s.freq.workingDownlinkMHz = *down;
    return true;
}

// Steps 1 to 5: the working frequencies at the satellite.
bool workingFrequencies(Station& s) {
    if (s.track.satFileName == "KWIP") return takeTypedFrequencies(s);
    const Side up = uplinkSide(s);
    const Side down = downlinkSide(s);
    showPreviousPass(s.display, down);
    showPreviousPass(s.display, up);
    s.display.setCaption("lbl_FreqFine", numberText(s.sat.fineStepHz));
    applySlider(s, up);
    applySlider(s, down);
    applyDoppler(s, up, down);
    return true;
}

// Steps 6 and 7: the converters, and the operator's uplink offset on a linear transponder.
void applyConverters(Station& s) {
    FrequencyState& f = s.freq;
    f.workingDownlinkMHz = throughConverter(f.workingDownlinkMHz, s.sat.downConverterMHz);
    f.workingUplinkMHz = uplinkRadioMHz(s.sat, f.workingUplinkMHz);
}

// Step 8.
void formTexts(FrequencyState& f) {
    f.uplinkText = frequencyDigits(f.workingUplinkMHz).text;
    const FrequencyDigits down = frequencyDigits(f.workingDownlinkMHz);
    f.downlinkText = down.text;
    f.downlinkHzPart = down.hzPart;
}

// Step 9: the first two passes of the run always send and start the gate.
void countStartPasses(Station& s) {
    FrequencyState& f = s.freq;
    if (f.startPasses >= 2) return;
    ++f.startPasses;
    f.lastSentDownlinkHz = f.downlinkHzPart;
    s.track.freqChanged = 1;
}

// Step 10: the counter gate compares the sub-MHz parts only, so crossing a whole MHz trips it.
void checkGate(Station& s) {
    FrequencyState& f = s.freq;
    const std::int64_t difference = std::llabs(f.downlinkHzPart - f.lastSentDownlinkHz);
    s.display.setCaption("Llb_gate", std::to_string(difference));
    if (difference > s.sat.gateThresholdHz) f.gateTripped = true;
}

// Hands both texts to the radios; a pass without both frequencies sends nothing.
void sendToRadios(Station& s, const std::string& uplinkText, const std::string& downlinkText) {
    if (uplinkText.empty() || downlinkText.empty()) return;
    s.radio.uplinkFreqText = uplinkText;
    s.radio.downlinkFreqText = downlinkText;
    catcontrol(s);
}

// Step 11. Returns whether the pass sent. A send asked for without a gate trip leaves the gate
// counting from the last trip.
bool sendWhenDue(Station& s) {
    FrequencyState& f = s.freq;
    if (!f.gateTripped && s.track.freqChanged == 0) return false;
    Control& gate = s.display["Llb_gate"];
    gate.backColor = bgr::kGreen;
    gate.caption.clear();
    sendToRadios(s, f.uplinkText, f.downlinkText);
    s.track.freqChanged = 0;
    if (f.gateTripped) {
        f.gateTripped = false;
        f.lastSentDownlinkHz = f.downlinkHzPart;
        gate.backColor = bgr::kRed;
    }
    return true;
}

}  // namespace

void frequencyStage(Station& station) {
    if (!workingFrequencies(station)) return;
    applyConverters(station);
    formTexts(station.freq);
    countStartPasses(station);
    checkGate(station);
    // Step 12: a freeze takes effect after one last send.
    if (sendWhenDue(station) && station.freq.freezeFlag) freeze(station);
}

void freeze(Station& station) {
    station.display.setCaption("lbl_DnVal", std::to_string(station.freq.downlinkShiftHz));
    station.display.setCaption("lbl_UpVal", std::to_string(station.freq.uplinkShiftHz));
    waitUntil(station, [&station] { return !station.freq.freezeFlag; });
}

double sliderOffsetMHz(const Station& station, std::string_view slider) {
    return station.display[slider].value * kMHzPerHz * station.sat.fineStepHz;
}

double correctedUplinkMHz(const Station& station) {
    return station.freq.startPasses > 0 ? station.freq.workingUplinkMHz : station.sat.uplinkMHz;
}

double correctedDownlinkMHz(const Station& station) {
    return station.freq.startPasses > 0 ? station.freq.workingDownlinkMHz : station.sat.downlinkMHz;
}

void showFrequencies(Station& station) {
    Display& d = station.display;
    d.setCaption("lbl_DnFreq", fixed(station.sat.downlinkMHz, 6));
    d.setCaption("lbl_UpFreq", fixed(station.sat.uplinkMHz, 6));
    d.setCaption("lbl_DnDop", fixed(station.freq.workingDownlinkMHz, 6));
    d.setCaption("lbl_UpDop", fixed(station.freq.workingUplinkMHz, 6));
}

void tuneParkedFrequencies(Station& station) {
    const SatelliteRecord& sat = station.sat;
    sendToRadios(station, frequencyDigits(throughConverter(sat.uplinkMHz, sat.upConverterMHz)).text,
                 frequencyDigits(throughConverter(sat.downlinkMHz, sat.downConverterMHz)).text);
}

double uplinkRadioMHz(const SatelliteRecord& sat, double guardedMHz) {
    const double radioMHz = throughConverter(guardedMHz, sat.upConverterMHz);
    return sat.offsetMHz != 0 ? radioMHz + sat.uplinkOffsetKHz * kHzPerKHz * kMHzPerHz : radioMHz;
}

}  // namespace orvant
