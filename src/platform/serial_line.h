#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orvant {

// How characters are framed on a CAT line: eight data bits and no parity bit for every radio of
// the type table; the stop bits vary by maker.
struct LineFraming {
    int stopBits = 1;
    bool operator==(const LineFraming&) const = default;
};

// A serial device opened raw for CAT traffic: no echo, no line editing, no flow control, the
// modem lines ignored, and no other program may open it while it is held. Every wait has a
// deadline, so a device that stops taking or giving bytes never holds the program.
class SerialLine {
  public:
    using Deadline = std::chrono::steady_clock::time_point;
    enum class Received { Bytes, Quiet, Gone };

    // Opens `device`; nullptr with `problem` saying why ("no such device", "not a serial port",
    // or the system's reason).
    static std::unique_ptr<SerialLine> open(const std::string& device, std::string& problem);
    ~SerialLine();
    SerialLine(const SerialLine&) = delete;
    SerialLine& operator=(const SerialLine&) = delete;

    // Sets the speed (a standard rate, in baud) and the framing, where they differ from the
    // line's. False when the speed is not a standard one or the device refuses.
    bool configure(int baud, LineFraming framing, std::string& problem);
    // Drops the bytes waiting to be read; false when the device has gone away.
    bool discardInput(std::string& problem);
    // Hands all of `bytes` to the line before the deadline; false when the device went away or
    // would not take them in time.
    bool send(const std::vector<std::uint8_t>& bytes, Deadline deadline, std::string& problem);
    // Waits until bytes arrive (appended to `into`), the deadline passes (Quiet) or the device
    // goes away (Gone, with `problem` set).
    Received receive(std::vector<std::uint8_t>& into, Deadline deadline, std::string& problem);
    // How long the line takes to carry `characters` characters at its speed and framing.
    std::chrono::microseconds lineTime(std::size_t characters) const;

  private:
    explicit SerialLine(int fd) : fd_(fd) {}

    int fd_;
    int baud_ = 0;
    LineFraming framing_{};
};

}  // namespace orvant
