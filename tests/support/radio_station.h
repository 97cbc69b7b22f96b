#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "radio/catcontrol.h"
#include "radio/radio_init.h"
#include "radio/sim/satellite_radios.h"
#include "support/sim_station.h"

namespace orvant::testing {

// Bytes in hexadecimal, "FE FE 60 E0".
template <typename Bytes>
std::string hexBytes(const Bytes& bytes) {
    std::string text;
    for (const auto b : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, text.empty() ? "%02X" : " %02X", b & 0xFF);
        text += hex;
    }
    return text;
}

// A station with the simulated card and the simulated radios of its satellite record: the uplink
// radio in USB, the downlink radio in LSB, each on the card channel its CAT port names.
struct RadioStation : SimStation {
    RadioStation(std::int16_t up, std::int16_t down, std::int16_t upPort = 1,
                 std::int16_t downPort = 1) {
        SatelliteRecord& sat = station.sat;
        sat.uplinkRadioType = up;
        sat.downlinkRadioType = down;
        sat.uplinkCatPort = upPort;
        sat.downlinkCatPort = downPort;
        sat.uplinkMode = "USB";
        sat.downlinkMode = "LSB";
        card.attachRadio(1, &radios.channel(1));
        card.attachRadio(2, &radios.channel(2));
    }

    // Sends `up` and `down` as the frequency stage would, with the bases on those frequencies,
    // so that a dial read back afterwards lies on the link shown.
    void send(const std::string& up, const std::string& down) {
        station.radio.uplinkFreqText = up;
        station.radio.downlinkFreqText = down;
        station.sat.uplinkMHz = baseOf(up, station.sat.uplinkMHz);
        station.sat.downlinkMHz = baseOf(down, station.sat.downlinkMHz);
        catcontrol(station);
    }

    static double baseOf(const std::string& text, double otherwise) {
        const double hz = std::atof(text.c_str());
        return hz > 0 ? hz * 1e-6 + kGuardMHz : otherwise;
    }

    // Sets the radios up and tunes them twice, the second time to `up` and `down`.
    void setUpAndTune(const std::string& up, const std::string& down) {
        radioinit(station);
        send("435100000", "145800000");
        send(up, down);
    }

    // In place of the simulated radios of card channel 1, a radio that answers every message
    // with `answer`.
    void answerOnChannel1(const std::vector<std::uint8_t>& answer) {
        fixedAnswer.answer = answer;
        card.attachRadio(1, &fixedAnswer);
    }

    // The messages the card relayed from the `from`th on, each as "channel:text".
    std::vector<std::string> relayedSince(std::size_t from) const {
        return relayedAs(from, [](const std::vector<std::uint8_t>& bytes) {
            return std::string(bytes.begin(), bytes.end());
        });
    }
    // The same with the bytes in hexadecimal, "1:FE FE 60 E0 07 D1 FD".
    std::vector<std::string> relayedHexSince(std::size_t from) const {
        return relayedAs(from, hexBytes<std::vector<std::uint8_t>>);
    }

    sim::SatelliteRadios radios{station.sat};
    RecordingRadio fixedAnswer;

  private:
    template <typename Render>
    std::vector<std::string> relayedAs(std::size_t from, Render render) const {
        std::vector<std::string> texts;
        for (std::size_t i = from; i < card.relayed().size(); ++i) {
            const sim::CatRelay& r = card.relayed()[i];
            texts.push_back(std::to_string(r.channel) + ":" + render(r.bytes));
        }
        return texts;
    }
};

}  // namespace orvant::testing
