#pragma once

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace orvant {

// What became of one request or poke to a tracking program's server.
enum class ConversationStatus {
    Ok,        // answered; the reply text is in `text`
    Refused,   // no server accepts the conversation, or the connection was lost
    TimedOut,  // the server did not answer within the time-out; the conversation stays usable
    Unusable,  // the server answered badly (refused the item, or a line this side cannot read);
               // the next message connects afresh
};

struct ConversationReply {
    ConversationStatus status = ConversationStatus::Refused;
    std::string text;
};

// Conversations with other programs' servers, each named by service and topic ("NFW32" and
// "NFW_DATA", say). A conversation opens on its first request or poke and stays open until it is
// closed; a request never holds the caller longer than the time-out.
class Conversations {
  public:
    virtual ~Conversations() = default;
    // The current text of an item.
    virtual ConversationReply request(const std::string& service, const std::string& topic,
                                      const std::string& item) = 0;
    // Sends a text to an item; an Ok reply carries no text.
    virtual ConversationReply poke(const std::string& service, const std::string& topic,
                                   const std::string& item, const std::string& text) = 0;
    virtual void close(const std::string& service, const std::string& topic) = 0;
};

// Servers scripted in memory, for tests: each service and topic answers its queued replies in
// turn and then repeats the last one; one without replies refuses. Pokes and closes are recorded.
class ScriptedConversations : public Conversations {
  public:
    void answer(const std::string& service, const std::string& topic,
                std::vector<ConversationReply> replies) {
        auto& queue = replies_[{service, topic}];
        queue.assign(replies.begin(), replies.end());
    }
    ConversationReply request(const std::string& service, const std::string& topic,
                              const std::string& item) override {
        requests.push_back(service + "|" + topic + "!" + item);
        auto found = replies_.find({service, topic});
        if (found == replies_.end() || found->second.empty()) return {};
        ConversationReply reply = found->second.front();
        if (found->second.size() > 1) found->second.pop_front();
        return reply;
    }
    ConversationReply poke(const std::string& service, const std::string& topic,
                           const std::string& item, const std::string& text) override {
        pokes.push_back(service + "|" + topic + "!" + item + "=" + text);
        const bool served = replies_.count({service, topic}) != 0;
        return {served ? ConversationStatus::Ok : ConversationStatus::Refused, ""};
    }
    void close(const std::string& service, const std::string& topic) override {
        closed.push_back(service + "|" + topic);
    }

    std::vector<std::string> requests, pokes, closed;

  private:
    std::map<std::pair<std::string, std::string>, std::deque<ConversationReply>> replies_;
};

}  // namespace orvant
