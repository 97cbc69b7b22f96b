#include "links/link_messages.h"

#include "station/station.h"

namespace orvant {

namespace {

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

const std::string kLineBreak = "\r\n";

std::string signature(const Station& station) {
    return blanks(5) + "KELDAN" + blanks(11) + station.app.versionText + blanks(13) +
           station.app.versionDate;
}

std::string novaNotRunning() {
    return blanks(12) + "The NOVA program called NFW32.EXE" + kLineBreak + blanks(19) +
           "is not running or installed." + kLineBreak;
}

// The message of the programs that name only their file: three empty lines before the
// signature.
std::string programNotRunning(const Station& station, const std::string& programLine) {
    return programLine + kLineBreak + blanks(15) + "is not running or installed." + kLineBreak +
           kLineBreak + kLineBreak + kLineBreak + signature(station);
}

}  // namespace

std::string novaFailureText(const Station& station) {
    return novaNotRunning() + kLineBreak + blanks(38) + "OR" + kLineBreak + blanks(7) +
           "the Orvant interface has not been selected." + kLineBreak + kLineBreak +
           signature(station);
}

std::string novaPokeFailureText() {
    return novaNotRunning();
}

std::string winTrakFailureText(const Station& station) {
    return programNotRunning(station, "The program called WinTrakPro.EXE");
}

std::string winOrbitFailureText(const Station& station) {
    return programNotRunning(station, "The program called WinOrbit.EXE");
}

std::string wispFailureText(const Station& station) {
    return programNotRunning(station, "The QUENTAR WISP program called GSC.EXE");
}

}  // namespace orvant
