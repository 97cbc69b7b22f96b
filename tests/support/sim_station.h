#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "controller/controller_controls.h"
#include "controller/frame_layout.h"
#include "controller/sim/sim_card.h"
#include "shutdown/shutdown.h"
#include "support/station_harness.h"

namespace orvant::testing {

// Every port access, in order, as seen between the link and the card.
struct PortAccess {
    bool write = false;
    std::uint16_t address = 0;
    std::uint8_t value = 0;
};

// Passes every access on to the card and keeps a record of it.
class RecordingPort : public PortIO {
  public:
    explicit RecordingPort(PortIO& inner) : inner_(inner) {}
    std::uint8_t read(std::uint16_t address) override {
        const std::uint8_t value = inner_.read(address);
        if (recording) accesses.push_back({false, address, value});
        return value;
    }
    void write(std::uint16_t address, std::uint8_t value) override {
        if (recording) accesses.push_back({true, address, value});
        inner_.write(address, value);
    }
    std::vector<std::uint8_t> writesTo(std::uint16_t address) const {
        std::vector<std::uint8_t> values;
        for (const PortAccess& a : accesses)
            if (a.write && a.address == address) values.push_back(a.value);
        return values;
    }
    bool recording = true;
    std::vector<PortAccess> accesses;

  private:
    PortIO& inner_;
};

// A radio on a card channel that keeps every message it receives and answers with `answer`.
struct RecordingRadio : sim::SimRadio {
    std::vector<std::uint8_t> receive(const std::vector<std::uint8_t>& message) override {
        received.push_back(message);
        return answer;
    }
    std::vector<std::vector<std::uint8_t>> received;
    std::vector<std::uint8_t> answer;
};

// A station whose printer port holds the simulated controller card, with the controller's
// controls declared and bound and the controller frame prepared as start-up leaves it.
struct SimStation : StationHarness {
    static constexpr std::uint16_t kBase = 0x378;

    explicit SimStation(std::uint16_t base = kBase) : card(host, base), port(card) {
        station.cfg.portData = base;
        station.cfg.portStatus = static_cast<std::uint16_t>(base + 1);
        station.cfg.portControl = static_cast<std::uint16_t>(base + 2);
        station.port = &port;
        portToOpen = &port;
        declareControllerControls(display);
        bindControllerHandlers(station);
        bindExitButton(station);
        auto& slots = station.link.controllerFrame;
        for (int i = 1; i <= 44; ++i) slots[i] = 240;
        for (int i = 45; i <= 71; ++i) slots[i] = 0;
        slots[1] = 3;
        slots[65] = 5;
        slots[61] = 10;
    }

    std::int16_t& slot(int index) { return station.link.controllerFrame[index]; }

    // Trace lines of one event.
    std::vector<std::string> traced(const std::string& event) const {
        std::vector<std::string> lines;
        std::string line;
        std::istringstream in(traceText.str());
        while (std::getline(in, line))
            if (line.find("\"ev\":\"" + event + "\"") != std::string::npos) lines.push_back(line);
        return lines;
    }

    sim::SimControllerCard card;
    RecordingPort port;
};

}  // namespace orvant::testing
