#include "config/text_rules.h"
#include "controller/frame_layout.h"
#include "controller/link.h"
#include "links/link_messages.h"
#include "links/tracker_hooks.h"
#include "links/tracker_poll.h"
#include "station/program_end.h"
#include "station/station.h"

namespace orvant {

namespace {

constexpr const char* kService = "NFW32";
constexpr const char* kTopic = "NFW_DATA";
constexpr const char* kItem = "NFW_SERVER";
// NOVA may echo the start-up poke for a while; this many echoes in a row mean it never took it.
constexpr std::int16_t kTuneEchoLimit = 4;
constexpr double kPrePositionFrom = -6;  // degrees

bool risingSincePreviousPoll(const TrackingState& t, double elevation) {
    return !t.trackerPrevElevation || elevation > *t.trackerPrevElevation;
}

// While the satellite rises toward the minimum elevation the antennas wait at the horizon, or
// overhead when NOVA advises flipping and flip mode is allowed. Never while parking is due, which
// it would fight.
void prePosition(Station& s, const TrackerReading& reading) {
    TrackingState& t = s.track;
    const double e = reading.horizonTest;
    const bool rising = risingSincePreviousPoll(t, e);
    t.trackerPrevElevation = e;
    if (e < kPrePositionFrom || e > s.cfg.minElevation || !rising || t.parkingDue) return;
    auto& slots = s.link.controllerFrame;
    const bool overhead = s.app.flipChoice == "Ye" && s.cfg.flipAllowed == 1;
    slots[frame::kDrive] = 1;
    slots[frame::kElTargetHigh] = overhead ? 3 : 0;
    slots[frame::kElTargetLow] = overhead ? 255 : 0;
    laptop(s);
}

std::string asReceived(const std::string& reply) {
    return reply;
}

const TrackerLink kNova{"lbl_Nova_dde", kService,     kTopic,          kItem,      "NOVA Position.",
                        asReceived,     readNovaText, novaFailureText, prePosition};

// An echo of the start-up poke brings no data: the status stays as it was, at start-up as in the
// loop, where it would otherwise read as a satellite in view. Start-up asks again every 200 ms;
// only several echoes in a row take the failure path.
void countTuneEcho(Station& s) {
    if (++s.track.tuneReplies >= kTuneEchoLimit) failLink(s, kNova);
}

}  // namespace

void send_dde_Click(Station& s) {
    s.display.setCaption("send_dde", "TUNE ON");
    const ConversationReply reply =
        s.platform.conversations.poke(kService, kTopic, kItem, "TUNE ON");
    if (reply.status == ConversationStatus::Refused) {
        s.platform.alerts.messageBox(novaPokeFailureText());
        endProgram(EndReason::Fatal);
    }
    s.platform.conversations.close(kService, kTopic);
}

void lbl_Nova_dde_Click(Station& s) {
    const std::optional<std::string> status = fetchStatus(s, kNova);
    if (!status) return;
    if (left(*status, 4) == "TUNE") return countTuneEcho(s);
    s.track.tuneReplies = 0;
    judgeAndStore(s, kNova, *status);
}

}  // namespace orvant
