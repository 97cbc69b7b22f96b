#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controller/sim/sim_radio.h"

namespace orvant::sim {

// What a simulated radio keeps from the commands it receives: two bands (main and sub), each with
// two VFOs, the VFOs chosen for transmit and receive, satellite mode, and whether the radio is
// under CAT control (for the radios that are switched in and out of it).
struct RadioDial {
    struct Vfo {
        std::int64_t hz = 0;
        std::string mode;  // "LSB", "USB", "CW", "CWN", "AM", "FM"
    };
    static constexpr int kMain = 0;
    static constexpr int kSub = 1;
    static constexpr int kVfoA = 0;
    static constexpr int kVfoB = 1;

    std::array<std::array<Vfo, 2>, 2> bands{};
    int controlBand = kMain;  // the band that frequency and mode commands act on
    int txVfo = kVfoA;
    int rxVfo = kVfoA;
    int selectedVfo = kVfoA;  // the VFO that mode commands act on
    bool satelliteMode = false;
    bool catOn = false;

    Vfo& vfo(int letter) { return bands[controlBand][letter]; }
    const Vfo& vfo(int band, int letter) const { return bands[band][letter]; }
};

// A radio family's command set: applies one message the radio received to its dial and returns
// the radio's answer (empty when the message asks nothing).
class CommandSet {
  public:
    virtual ~CommandSet() = default;
    virtual std::vector<std::uint8_t> apply(const std::vector<std::uint8_t>& message,
                                            RadioDial& dial) const = 0;
};

// A simulated radio on a card channel: its family's command set working on its dial. It can be
// set to stay silent, as a radio that is switched off or not connected.
class SimulatedRadio : public SimRadio {
  public:
    explicit SimulatedRadio(std::unique_ptr<CommandSet> commands)
        : commands_(std::move(commands)) {}

    std::vector<std::uint8_t> receive(const std::vector<std::uint8_t>& message) override;

    void setSilent(bool silent) { silent_ = silent; }
    const RadioDial& dial() const { return dial_; }
    // The dial as the operator turns it.
    RadioDial& dial() { return dial_; }
    int messagesReceived() const { return messagesReceived_; }

  private:
    std::unique_ptr<CommandSet> commands_;
    RadioDial dial_;
    bool silent_ = false;
    int messagesReceived_ = 0;
};

}  // namespace orvant::sim
