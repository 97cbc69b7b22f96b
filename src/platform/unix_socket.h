#pragma once

#include <chrono>
#include <string>

// Small helpers over Unix-domain stream sockets, shared by the conversation client and the
// servers that stand in for tracking programs. Sending, receiving and the deadline serve any
// stream socket (the rotctld connection is a TCP one) and the serial lines' waits.
namespace orvant::unix_socket {

// A connected, non-blocking socket to the server at `path`, or -1 when none accepts.
int connectTo(const std::string& path);

// Sends all of `bytes` within the deadline; false when the peer is gone or the time ran out.
bool sendAll(int fd, const std::string& bytes, std::chrono::steady_clock::time_point deadline);

// What waiting for bytes brought.
enum class Received { Bytes, Closed, TimedOut };

// Waits until bytes arrive (appended to `into`), the peer closes, or the deadline passes.
Received receiveSome(int fd, std::string& into, std::chrono::steady_clock::time_point deadline);

// Milliseconds left until the deadline, for poll(): never negative.
int remainingMs(std::chrono::steady_clock::time_point deadline);

}  // namespace orvant::unix_socket
