#pragma once

#include <functional>
#include <string>

#include "platform/conversation_wire.h"

namespace orvant::tracker {

// What a server does with one message.
struct ServerReply {
    enum class Kind {
        Answer,  // OK with `text`
        Refuse,  // ERR with `text` as the reason
        Ignore,  // no answer at all: the client's request times out
        HangUp,  // the connection is closed with the message unanswered
    };
    Kind kind = Kind::Answer;
    std::string text;
    bool thenStop = false;  // the server stops serving after this message
};

using Responder = std::function<ServerReply(const wire::Message&)>;

// A server of one service and topic: a Unix-domain socket in the conversation folder, serving
// any number of clients one message at a time, in one thread.
class ConversationServer {
  public:
    // Binds the socket. Throws std::runtime_error when a live server already serves the name
    // or the socket cannot be made; a socket file left behind by a dead server is replaced.
    ConversationServer(const std::string& folder, const std::string& service,
                       const std::string& topic);
    ~ConversationServer();  // closes every connection and removes the socket file
    ConversationServer(const ConversationServer&) = delete;
    ConversationServer& operator=(const ConversationServer&) = delete;

    const std::string& path() const { return path_; }

    // Serves until `stopFd` becomes readable (or is closed) or a reply asks to stop.
    void serve(const Responder& respond, int stopFd);

  private:
    std::string path_;
    int listenFd_ = -1;
};

}  // namespace orvant::tracker
