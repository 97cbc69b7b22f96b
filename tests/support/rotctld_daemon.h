#pragma once

#include <sys/types.h>

#include <optional>

#include "controller/pc/rotctld_rotator.h"

namespace orvant::testing {

// Hamlib's own rotctld with its dummy rotator (-m 1), on a free port of this machine. The dummy
// turns both axes at about 6 degrees a second, in real time.
class RotctldDaemon {
  public:
    RotctldDaemon();  // started, and taking connections
    ~RotctldDaemon();
    RotctldDaemon(const RotctldDaemon&) = delete;
    RotctldDaemon& operator=(const RotctldDaemon&) = delete;

    pc::RotctldAddress address() const { return {"127.0.0.1", port_}; }
    // Where the dummy stands, asked over a connection of the test's own ("p").
    std::optional<pc::Bearings> position() const;
    // Ends the daemon at once (SIGKILL); `start` runs it again on the same port.
    void kill();
    void start();
    // Stops the daemon where it is, so that it answers nothing (SIGSTOP), and lets it go on.
    void pause();
    void resume();

  private:
    int port_ = 0;
    pid_t pid_ = -1;
};

}  // namespace orvant::testing
