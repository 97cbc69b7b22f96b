// The texts the four tracking programs serve. A text either brings a reading the station can use
// all the way to the radios' frequencies, or nothing at all.
#include <cstdint>
#include <optional>
#include <string>

#include "config/satellite_record.h"
#include "fuzz_check.h"
#include "links/tracker_texts.h"
#include "radio/frequency_text.h"

namespace orvant::fuzz {
namespace {

constexpr double kCarrierMHz = 435.000001;

bool isControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

void checkName(const std::string& name) {
    require(!name.empty() && name.size() <= kMaxSatelliteName);
    require(name.front() != ' ' && name.back() != ' ');
    for (const char c : name) require(!isControl(static_cast<unsigned char>(c)));
}

// A frequency a text hands over is one the radios' digits can be formed from.
void checkFrequency(const std::optional<double>& mhz) {
    if (!mhz) return;
    require(finite(*mhz) && *mhz >= 0);
    frequencyDigits(*mhz + kGuardMHz);
}

void checkReading(const std::optional<TrackerReading>& reading) {
    if (!reading) return;
    const TrackerReading& r = *reading;
    checkName(r.name);
    require(finite(r.satAzimuth) && finite(r.satElevation) && finite(r.horizonTest));
    require(r.satAzimuth >= -360 && r.satAzimuth <= 360);
    require(r.satElevation >= -90 && r.satElevation <= 90);
    require(r.ma256 >= 0 && r.ma256 <= 255);
    if (r.rangeRate) {
        require(finite(*r.rangeRate));
        rangeRateShiftHz(kCarrierMHz, *r.rangeRate);
    }
    if (r.wintrakDoppler) {
        require(finite(*r.wintrakDoppler));
        factorShiftHz(kCarrierMHz, *r.wintrakDoppler);
    }
    require(!r.flip || r.flip->size() <= 2);
    checkFrequency(r.uplinkMHz);
    checkFrequency(r.downlinkMHz);
}

}  // namespace
}  // namespace orvant::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvant;
    fuzz::Input in(data, size);
    const std::uint8_t pick = in.byte();
    const std::string text = in.rest();
    switch (pick % 4) {
        case 0:
            fuzz::checkReading(readNovaText(text));
            break;
        case 1:
            fuzz::checkReading(readWinTrakText(text));
            break;
        case 2:
            fuzz::checkReading(readWinOrbitText(text));
            break;
        default: {
            const auto reading = readWispText(text);
            const auto name = readWispName(text);
            fuzz::checkReading(reading);
            if (name) fuzz::checkName(*name);
            fuzz::require(!reading || (name && *name == reading->name));
            break;
        }
    }
    return 0;
}
