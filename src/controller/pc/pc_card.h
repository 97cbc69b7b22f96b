#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "config/station_config.h"
#include "controller/card_port.h"
#include "controller/pc/cat_channel.h"
#include "controller/pc/rotator_bearings.h"
#include "controller/pc/rotctld_rotator.h"

namespace orvant::pc {

// The framing each CAT channel needs for the radios the loaded satellite puts on it.
class ChannelFramings {
  public:
    virtual ~ChannelFramings() = default;
    virtual LineFraming framingOf(int channel) const = 0;
};

// What the card of the PC's own is wired to.
struct PcCardWiring {
    std::array<std::unique_ptr<CatChannel>, 2> channels;  // nullptr: no device on that channel
    std::optional<RotctldAddress> rotator;                // none: no rotator
};

// A card of the PC's own, behind the same port as the controller card: it takes each frame as
// the card would and does the card's work on the PC. A frame's CAT message goes out on the serial
// device of each channel whose send or capture flag is set, at the speed of the frame's timing
// pair (slots 52, 53) and in the framing of the channel's radios; with the capture flag the
// radio's answer comes back in every reply until the next capture, as on the card. The rotator
// turns through rotctld: a frame that lets an axis run (slot 62 not 0, the axis not inhibited)
// points it at the target's bearings with "P", an inhibited axis is pointed where it stands, and
// "S" stops the motors when the drive goes off or the card is held in reset. Every read request
// asks rotctld where the rotator stands ("p") and answers it in counts; without a rotator the
// counts are 0, as on a card with nothing wired to its position inputs.
//
// The card does all of that while it takes the frame or the read request, so the link needs no
// pause for it. A device that goes away or a daemon that fails a command makes the card fall
// silent, as the controller card does when it stops answering: the failure is reported once, the
// rotator is stopped if it still can be, and the card answers nothing until it is reset, when it
// opens its devices and connects again.
class PcCard : public CardPort {
  public:
    using FaultReport = std::function<void(const std::string& what)>;

    PcCard(std::uint16_t baseAddress, PcCardWiring wiring, const StationConfig& cfg,
           const ChannelFramings& framings, FaultReport report);

    bool needsPauseAfterFrame() const override { return false; }

  protected:
    void takeFrame(const SentBytes& frame) override;
    CardReply replyNow() override;
    void holdInReset() override;
    void restart() override;

  private:
    void driveRotator(const SentBytes& frame);
    void relayCat(const SentBytes& frame);
    bool motorsRunning() const;
    void stopRotator();
    void fail(const std::string& why);
    void reportUnwired(int channel);

    std::array<std::unique_ptr<CatChannel>, 2> channels_;
    std::optional<RotctldRotator> rotator_;
    const StationConfig& cfg_;
    const ChannelFramings& framings_;
    FaultReport report_;
    std::vector<std::uint8_t> answer_;
    PositionCounts position_;
    std::string lastPoint_;  // the last "P" the rotator was sent; empty while its motors are off
    std::array<bool, 2> unwiredReported_{};
};

}  // namespace orvant::pc
