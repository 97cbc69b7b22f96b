#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
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

using Messages = std::vector<std::string>;

// CI-V messages relayed on a channel to an address, as `RadioStation::relayedSince` shows them
// in hexadecimal.
inline Messages civ(int channel, const std::string& address,
                    const std::vector<std::string>& bodies) {
    Messages messages;
    for (const std::string& body : bodies)
        messages.push_back(std::to_string(channel) + ":FE FE " + address + " E0 " + body + " FD");
    return messages;
}

// Messages relayed on a channel, as `RadioStation::relayedSince` shows them: "1:00 00 00 00 88".
inline Messages on(int channel, const std::vector<std::string>& messages) {
    Messages relayed;
    for (const std::string& message : messages)
        relayed.push_back(std::to_string(channel) + ":" + message);
    return relayed;
}

inline Messages operator+(Messages first, const Messages& then) {
    return first.insert(first.end(), then.begin(), then.end()), first;
}

// Bytes written in hexadecimal, "FE FE E0 60".
inline std::vector<std::uint8_t> bytesOf(const std::string& hex) {
    std::vector<std::uint8_t> bytes;
    std::istringstream in(hex);
    for (unsigned value = 0; in >> std::hex >> value;)
        bytes.push_back(static_cast<std::uint8_t>(value));
    return bytes;
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
        onBase(up, station.sat.uplinkMHz);
        onBase(down, station.sat.downlinkMHz);
        catcontrol(station);
    }
    static void onBase(const std::string& text, double& baseMHz) {
        if (const double hz = std::atof(text.c_str()); hz > 0) baseMHz = hz * 1e-6 + kGuardMHz;
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

    // The messages the card relayed from the `from`th on, each as "channel:text", or with the
    // bytes in hexadecimal, "1:FE FE 60 E0 07 D1 FD".
    std::vector<std::string> relayedSince(std::size_t from, bool hex = false) const {
        std::vector<std::string> texts;
        for (std::size_t i = from; i < card.relayed().size(); ++i) {
            const sim::CatRelay& r = card.relayed()[i];
            texts.push_back(
                std::to_string(r.channel) + ":" +
                (hex ? hexBytes(r.bytes) : std::string(r.bytes.begin(), r.bytes.end())));
        }
        return texts;
    }

    sim::SatelliteRadios radios{station.sat};
    RecordingRadio fixedAnswer;
};

// A set-up and one send of two positions, with the messages the card relays for each; each
// family's tests add their rows (INSTANTIATE_TEST_SUITE_P of `RadioScenes`).
struct SceneCase {
    std::string name;
    std::int16_t up, down, upPort, downPort;
    Messages setUp, sends;
    bool txInhibit = false, rxInhibit = false;
    std::string upHz = "435123456", downHz = "145900000";
    bool hex = true;  // the messages in hexadecimal, else as text
};

class RadioScenes : public ::testing::TestWithParam<SceneCase> {};

}  // namespace orvant::testing
