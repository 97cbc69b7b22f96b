#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "controller/sim/sim_radio.h"
#include "radio/sim/simulated_radio.h"

namespace orvant {

class PortChoice;
struct SatelliteRecord;

namespace sim {

// The simulated radios of the loaded satellite file: on each of the card's two channels, the
// radio of every position whose CAT port selector names that channel (2 for channel 2, anything
// else channel 1). It follows the satellite record as the program loads other satellites; each
// type code is one radio for the life of the program, so one radio fills both positions when
// both name the same code, and a radio keeps its dial from one satellite to the next. Models the
// program only names (the FT-1000, no radio) have no radio here.
class SatelliteRadios {
  public:
    explicit SatelliteRadios(const SatelliteRecord& sat);
    SatelliteRadios(const SatelliteRadios&) = delete;
    SatelliteRadios& operator=(const SatelliteRadios&) = delete;

    // The radio side of card channel 1 or 2, for `SimControllerCard::attachRadio`.
    SimRadio& channel(int number) { return channels_[number - 1]; }
    // The radio of a type code, made on first use; nullptr for a model the program only names.
    SimulatedRadio* radioOf(std::int16_t code);

  private:
    class Channel : public SimRadio {
      public:
        Channel(SatelliteRadios& owner, int number) : owner_(owner), number_(number) {}
        std::vector<std::uint8_t> receive(const std::vector<std::uint8_t>& message) override {
            return owner_.deliver(number_, message);
        }

      private:
        SatelliteRadios& owner_;
        int number_;
    };

    std::vector<std::uint8_t> deliver(int channel, const std::vector<std::uint8_t>& message);

    const SatelliteRecord& sat_;
    std::array<Channel, 2> channels_{Channel(*this, 1), Channel(*this, 2)};
    std::map<std::int16_t, std::unique_ptr<SimulatedRadio>> radios_;
};

}  // namespace sim

// For a run on the simulated card: puts the loaded satellite's radios on the card's channels.
std::unique_ptr<sim::SatelliteRadios> simulateSatelliteRadios(PortChoice& ports,
                                                              const SatelliteRecord& sat);

}  // namespace orvant
