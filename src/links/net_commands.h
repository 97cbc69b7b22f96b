#pragma once

#include <string>
#include <utility>
#include <vector>

namespace orvant {

// The rotator and radio line protocols that Hamlib's clients speak to a rotctld or rigctld
// daemon: one command a line, a one-letter or a "\long_name" command with its arguments. A line
// that starts with "+" asks for the extended form: the command's name and arguments echoed, each
// value under its label, and an "RPRT n" line to close. Reading a line is pure: the line and
// what the station knows go in, the reply and what the client asks of the station come out.

// Hamlib's result codes as the replies carry them ("RPRT 0", "RPRT -1").
namespace rprt {
constexpr int kOk = 0;
constexpr int kInvalid = -1;         // a value out of range, not a number, or a line too long
constexpr int kNotImplemented = -4;  // a command the station does not serve
}  // namespace rprt

// The longest line a client may send, its line end not counted.
constexpr std::size_t kMaxNetLine = 256;

// What a client asks of the station.
enum class NetRequestKind {
    None,
    Point,
    Stop,
    Park,
    SetDownlink,
    SetUplink,
    SetUplinkMode,
    SetDownlinkMode,
    ReadDownlink,  // a client read the frequency: a fresh read of the radio's dial is welcome
    ReadUplink,
    SelectVfo,
    Close
};

struct NetRequest {
    NetRequestKind kind = NetRequestKind::None;
    double first = 0;   // azimuth or frequency in hertz
    double second = 0;  // elevation
    std::string mode;   // "USB", "FM", ...; the VFO's name when one is selected
};

struct NetAnswer {
    std::string reply;  // the whole reply, line ends included
    NetRequest request;
};

// What the rotator side knows: the bearings from the readback and the rotator's travel.
struct RotatorFacts {
    double azimuth = 0;
    double elevation = 0;
    double minAzimuth = 0;
    double maxAzimuth = 360;
};

// Frequency ranges in hertz, lowest and highest.
using HzRanges = std::vector<std::pair<double, double>>;

// The modes a link's radio can be set up in, by the clients' names.
using ModeNames = std::vector<std::string>;

// What the radio side knows: the frequencies (hertz), the ranges each link's radio can be tuned
// to, the VFO this client selected, and each link's mode and the modes its radio takes. A client
// that selects the transmitting VFO ("VFOB", "Sub", "TX") sets and reads the uplink with F and f,
// and its mode with M and m, as a duplex client alternating between its two VFOs does; any other
// VFO is the downlink's.
struct RadioFacts {
    double downlinkHz = 0;
    double uplinkHz = 0;
    HzRanges downlinkRangesHz;
    HzRanges uplinkRangesHz;
    std::string vfo = "VFOA";
    std::string downlinkMode = "FM";
    std::string uplinkMode = "FM";
    ModeNames downlinkModes;
    ModeNames uplinkModes;
};

// Whether a client on VFO `name` works the uplink.
bool isUplinkVfo(const std::string& name);

NetAnswer answerRotatorLine(const std::string& line, const RotatorFacts& facts);
NetAnswer answerRadioLine(const std::string& line, const RadioFacts& facts);

// The reply to a line longer than `kMaxNetLine`.
std::string tooLongReply();

}  // namespace orvant
