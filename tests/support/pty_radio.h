#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace orvant::testing {

// A radio on the far end of a pseudo-terminal pair, as a radio hangs on the far end of a CAT
// cable: a program opens the near end (`device()`) as its serial port. A thread of its own takes
// what arrives in messages of `messageBytes` bytes and writes back what `answer` returns for each.
class PtyRadio {
  public:
    using Answer = std::function<std::vector<std::uint8_t>(const std::vector<std::uint8_t>&)>;

    PtyRadio(std::size_t messageBytes, Answer answer);
    ~PtyRadio();
    PtyRadio(const PtyRadio&) = delete;
    PtyRadio& operator=(const PtyRadio&) = delete;

    const std::string& device() const { return device_; }
    // A radio that is not answering hears everything and answers nothing.
    void setAnswering(bool answering) { answering_ = answering; }
    // Closes the far end, as a USB cable pulled out: the near end has gone away.
    void unplug();
    // The line's settings as the program left them.
    struct Settings {
        int baud = 0;  // 0: a speed of no standard rate
        int dataBits = 0;
        int stopBits = 0;
        bool parity = false;
    };
    Settings settings() const;
    // Every byte that reached the far end, in order.
    std::vector<std::uint8_t> heard();

  private:
    void serve();

    std::size_t messageBytes_;
    Answer answer_;
    int far_ = -1;
    int near_ = -1;
    std::string device_;
    std::atomic<bool> answering_ = true;
    std::atomic<bool> stop_ = false;
    std::mutex mutex_;
    std::vector<std::uint8_t> heard_;
    std::thread thread_;
};

}  // namespace orvant::testing
