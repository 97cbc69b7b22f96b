#include "platform/socket_conversations.h"

#include <unistd.h>

#include "platform/rendezvous.h"
#include "platform/unix_socket.h"

namespace orvant {

SocketConversations::~SocketConversations() {
    for (auto& [key, connection] : connections_) ::close(connection.fd);
}

ConversationReply SocketConversations::request(const std::string& service, const std::string& topic,
                                               const std::string& item) {
    wire::Message m;
    m.item = item;
    return exchange({service, topic}, m);
}

ConversationReply SocketConversations::poke(const std::string& service, const std::string& topic,
                                            const std::string& item, const std::string& text) {
    wire::Message m;
    m.poke = true;
    m.item = item;
    m.text = text;
    ConversationReply reply = exchange({service, topic}, m);
    reply.text.clear();
    return reply;
}

void SocketConversations::close(const std::string& service, const std::string& topic) {
    const auto found = connections_.find({service, topic});
    if (found == connections_.end()) return;
    ::close(found->second.fd);
    connections_.erase(found);
}

ConversationReply SocketConversations::exchange(const Key& key, wire::Message message) {
    // An item or text that the line format cannot carry never reaches a server.
    if (!wire::isText(message.item) || !wire::isText(message.text)) return {};
    Connection* c = connectionFor(key);
    if (!c) return {};
    if (c->unanswered != 0) {
        // One request at a time: while a server that stalled has not answered, every message
        // times out at once instead of holding the caller for another whole time-out.
        const ConversationReply late =
            awaitAnswer(*c, c->unanswered, std::chrono::steady_clock::now());
        if (late.status == ConversationStatus::TimedOut) return late;
        if (late.status != ConversationStatus::Ok) return broken(key, late.status);
        c->unanswered = 0;
    }
    message.seq = ++c->lastSeq;
    message.stamp = host_.localTime();
    const auto deadline = std::chrono::steady_clock::now() + timeout_;
    if (!unix_socket::sendAll(c->fd, wire::messageLine(message), deadline))
        return broken(key, ConversationStatus::Refused);
    ConversationReply reply = awaitAnswer(*c, message.seq, deadline);
    if (reply.status == ConversationStatus::TimedOut) c->unanswered = message.seq;
    if (reply.status == ConversationStatus::Refused || reply.status == ConversationStatus::Unusable)
        return broken(key, reply.status);
    return reply;
}

SocketConversations::Connection* SocketConversations::connectionFor(const Key& key) {
    const auto found = connections_.find(key);
    if (found != connections_.end()) return &found->second;
    const int fd = unix_socket::connectTo(rendezvous::socketPath(folder_, key.first, key.second));
    if (fd < 0) return nullptr;
    Connection& c = connections_[key];
    c.fd = fd;
    return &c;
}

// Reads answers until the one to `seq`: earlier ones answer requests that timed out and are
// dropped. A lost connection is a refusal; an answer this side cannot take (an ERR, a line that is
// not an answer or is too long, a sequence number never sent) is unusable.
ConversationReply SocketConversations::awaitAnswer(Connection& c, std::uint64_t seq,
                                                   std::chrono::steady_clock::time_point deadline) {
    const ConversationReply kUnusable{ConversationStatus::Unusable, ""};
    for (;;) {
        while (const auto line = c.received.nextLine()) {
            const auto answer = wire::parseAnswer(*line);
            if (!answer || answer->seq > seq) return kUnusable;
            if (answer->seq < seq) continue;
            if (!answer->ok) return kUnusable;
            return {ConversationStatus::Ok, answer->text};
        }
        if (c.received.overflowed()) return kUnusable;
        std::string bytes;
        switch (unix_socket::receiveSome(c.fd, bytes, deadline)) {
            case unix_socket::Received::Bytes:
                c.received.append(bytes);
                break;
            case unix_socket::Received::Closed:
                return {};
            case unix_socket::Received::TimedOut:
                return {ConversationStatus::TimedOut, ""};
        }
    }
}

// A conversation that broke is closed; the next use connects afresh.
ConversationReply SocketConversations::broken(const Key& key, ConversationStatus status) {
    close(key.first, key.second);
    return {status, ""};
}

}  // namespace orvant
