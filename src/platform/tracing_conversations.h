#pragma once

#include <string>

#include "platform/conversations.h"
#include "platform/trace.h"

namespace orvant {

// Passes conversations on and records each request and poke with its outcome in the trace
// ("dde": "op", "conversation" as service|topic, "item", "status" ok, refused, timedout or
// unusable, and "text": the reply to a request, the text of a poke).
class TracingConversations : public Conversations {
  public:
    TracingConversations(Conversations& inner, Trace& trace) : inner_(inner), trace_(trace) {}
    ConversationReply request(const std::string& service, const std::string& topic,
                              const std::string& item) override {
        const ConversationReply reply = inner_.request(service, topic, item);
        record("request", service, topic, item, reply.status, reply.text);
        return reply;
    }
    ConversationReply poke(const std::string& service, const std::string& topic,
                           const std::string& item, const std::string& text) override {
        const ConversationReply reply = inner_.poke(service, topic, item, text);
        record("poke", service, topic, item, reply.status, text);
        return reply;
    }
    void close(const std::string& service, const std::string& topic) override {
        inner_.close(service, topic);
    }

  private:
    static const char* statusName(ConversationStatus s) {
        switch (s) {
            case ConversationStatus::Ok:
                return "ok";
            case ConversationStatus::TimedOut:
                return "timedout";
            case ConversationStatus::Unusable:
                return "unusable";
            case ConversationStatus::Refused:
                break;
        }
        return "refused";
    }
    void record(const char* op, const std::string& service, const std::string& topic,
                const std::string& item, ConversationStatus status, const std::string& text) {
        trace_.event("dde", {{"op", std::string(op)},
                             {"conversation", service + "|" + topic},
                             {"item", item},
                             {"status", std::string(statusName(status))},
                             {"text", text}});
    }

    Conversations& inner_;
    Trace& trace_;
};

}  // namespace orvant
