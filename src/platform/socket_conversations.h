#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "platform/conversation_wire.h"
#include "platform/conversations.h"
#include "platform/host.h"

namespace orvant {

// Conversations with servers on Unix-domain sockets in a private folder (see rendezvous.h), in
// the line format of conversation_wire.h. A conversation connects on its first use and stays
// connected until it is closed or breaks. Each message carries a sequence number, so an answer
// that arrives after its request timed out is recognised and dropped rather than taken as the
// answer to the next one. Every message is stamped with the host's local time, so a server can
// follow the program's (possibly virtual) clock.
class SocketConversations : public Conversations {
  public:
    SocketConversations(std::string folder, std::chrono::milliseconds timeout, Host& host)
        : folder_(std::move(folder)), timeout_(timeout), host_(host) {}
    ~SocketConversations() override;
    SocketConversations(const SocketConversations&) = delete;
    SocketConversations& operator=(const SocketConversations&) = delete;

    ConversationReply request(const std::string& service, const std::string& topic,
                              const std::string& item) override;
    ConversationReply poke(const std::string& service, const std::string& topic,
                           const std::string& item, const std::string& text) override;
    void close(const std::string& service, const std::string& topic) override;

  private:
    struct Connection {
        int fd = -1;
        std::uint64_t lastSeq = 0;
        std::uint64_t unanswered = 0;  // a request that timed out and is still unanswered
        wire::LineBuffer received;
    };
    using Key = std::pair<std::string, std::string>;

    ConversationReply exchange(const Key& key, wire::Message message);
    Connection* connectionFor(const Key& key);
    ConversationReply awaitAnswer(Connection& c, std::uint64_t seq,
                                  std::chrono::steady_clock::time_point deadline);
    ConversationReply broken(const Key& key, ConversationStatus status);

    std::string folder_;
    std::chrono::milliseconds timeout_;
    Host& host_;
    std::map<Key, Connection> connections_;
};

}  // namespace orvant
