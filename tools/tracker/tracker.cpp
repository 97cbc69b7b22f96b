#include "tracker/tracker.h"

#include <array>

namespace orvant::tracker {

namespace {

bool beyond(const std::optional<int>& limit, int count) {
    return limit && count > *limit;
}

}  // namespace

std::optional<Program> programNamed(const std::string& word) {
    static const std::array<Program, 4> kPrograms{{
        {"nova", "NFW32", "NFW_DATA", "NFW_SERVER"},
        {"wintrak", "WinTrak Pro", "DDEForm", "All"},
        {"winorbit", "WinOrbit", "TrackingInfo", "MultiInfo"},
        {"wisp", "GSC", "Tracking", "General"},
    }};
    for (const Program& p : kPrograms)
        if (p.word == word) return p;
    return std::nullopt;
}

ServerReply Tracker::respond(const wire::Message& m) {
    if (m.item != program_.item) {
        note(m, "refused: no such item");
        return {ServerReply::Kind::Refuse, "no such item", false};
    }
    return m.poke ? answerPoke(m) : answerRequest(m);
}

ServerReply Tracker::answerPoke(const wire::Message& m) {
    if (program_.word == "nova" && m.text == "TUNE ON") echoesDue_ = tuneEchoes_;
    note(m, "ok");
    return {ServerReply::Kind::Answer, "", false};
}

ServerReply Tracker::answerRequest(const wire::Message& m) {
    ++requests_;
    if (beyond(faults_.closeMidRequestAfter, requests_)) {
        note(m, "hung up");
        return {ServerReply::Kind::HangUp, "", false};
    }
    if (beyond(faults_.stallAfter, requests_)) {
        note(m, "not answered");
        return {ServerReply::Kind::Ignore, "", false};
    }
    std::string text = "TUNE ON";
    if (echoesDue_ > 0)
        --echoesDue_;
    else
        text = source_(m.stamp);
    note(m, text);
    const bool last = faults_.exitAfter && requests_ >= *faults_.exitAfter;
    return {ServerReply::Kind::Answer, text, last};
}

void Tracker::note(const wire::Message& m, const std::string& outcome) {
    if (!log_) return;
    *log_ << wire::stampText(m.stamp) << (m.poke ? " POKE " : " REQUEST ") << m.item
          << (m.poke ? " " + m.text : "") << " -> " << outcome << std::endl;
}

}  // namespace orvant::tracker
