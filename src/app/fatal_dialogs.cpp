#include "app/fatal_dialogs.h"

#include <initializer_list>

#include "shutdown/shutdown.h"
#include "station/station.h"

namespace orvant {

namespace {

std::string blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

std::string joinLines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty() || &line != lines.begin()) text += "\r\n";
        text += line;
    }
    return text;
}

// The signature that closes most dialogs: the callsign, nine blanks, the version text, twelve
// blanks and the version date.
std::string signature(int leadingBlanks, const std::string& version, const std::string& date) {
    return blanks(leadingBlanks) + "KELDAN" + blanks(9) + version + blanks(12) + date;
}

// The shorter signature of the driver and no-files messages.
std::string shortSignature(int leadingBlanks, const std::string& version, const std::string& date) {
    return blanks(leadingBlanks) + "KELDAN" + blanks(11) + version + blanks(10) + date;
}

}  // namespace

std::string noCfgFileText(const std::string& version, const std::string& date, const std::string&) {
    return joinLines({blanks(19) + "ORVANT cannot find the file ORV.CFG", "",
                      "Please check you have the file in the same directory where ORVANT",
                      " is installed. Else reinstall the program from the distribution CD", "", "",
                      signature(14, version, date)});
}

std::string badCfgFileText(const std::string& version, const std::string& date) {
    return joinLines({blanks(8) + "The ORV.CFG file is corrupted or missing parameters", "",
                      blanks(5) + "Please check the file against the version in the manual", "",
                      blanks(7) + "else reinstall the program from the distribution CD", "",
                      signature(16, version, date)});
}

std::string wrongDirText(const std::string& version, const std::string& date,
                         const std::string& programDir) {
    return joinLines({"The ORV.CFG file suggests that the program or a file should be in",
                      blanks(30) + programDir + " directory.", "",
                      "CHECK the ORV.CFG file directory section for correct entry",
                      "as to where the files required are to be found. OR transfer all the files",
                      blanks(27) + "to the " + programDir + " directory.", "",
                      signature(16, version, date)});
}

std::string noSatFileText(const std::string& version, const std::string& date,
                          const std::string& programDir) {
    return joinLines(
        {blanks(10) + "ORVANT cannot find an xxx.SAT file in " + programDir, "",
         blanks(14) + "Have you made a SAT file for the satellite you are calling?", "",
         "Please check you have entered an argument after ORVANT on the command",
         "  line, or have you NOT modified the properties of the ORVANT start-up icon.", "", "",
         blanks(8) + "Refer to the Installation and Getting Started sections of the manual.", "",
         signature(16, version, date)});
}

std::string badSatFileText(const std::string& version, const std::string& date) {
    return joinLines({"   The SAT file for the satellite is corrupted or missing parameters", "",
                      blanks(10) + "Please check the file against the version in the manual", "",
                      blanks(7) + "else reinstall the program from the distribution diskette", "",
                      signature(16, version, date)});
}

std::string noFilesText(const std::string& version, const std::string& date) {
    return joinLines({"   There are NO individual [satellite].SAT files present",
                      "in the directory where ORVANT.EXE was installed", "",
                      "There MUST BE a seperate xxx.SAT file for EVERY",
                      "satellite you wish to track. Duplicate the sample file",
                      "in the distribution package and edit each file with",
                      "your choice of setup parameters.", "", shortSignature(9, version, date)});
}

std::string badKepsText(const Station& station) {
    return joinLines(
        {station.app.satName + "'s catalog number does not exist in the keplerian element",
         "set, (KEPS)  OR it has been incorrectly entered", "",
         "Also ensure that the location of the (KEPS) is correctly", "stated in the Orv.Cfg file. ",
         "", signature(16, station.app.versionText, station.app.versionDate)});
}

std::string noDriverText(const Station& station) {
    return joinLines({"The printer port driver program PORT95NT.EXE has not been installed. ", "",
                      "The program may be found in " + station.cfg.programDirectory + "\\drivers.",
                      "", "Click on the filename and answer in the affirmative all",
                      "all the questions asked by the program as it installs.", "",
                      shortSignature(21, station.app.versionText, station.app.versionDate)});
}

std::string portTriesText(const PortTries& tries) {
    std::string text;
    for (const PortTry& t : tries) text += "Tried " + t.what + ": " + t.why + ".\r\n";
    return text +
           "To go on, name the port's device with --port=DEVICE (for example "
           "--port=/dev/parport0), or run with --sim on the simulated controller card.";
}

std::string badRadioText(const Station& station) {
    return joinLines({"One of the " + station.radio.uplinkRadioName + "/" +
                          station.radio.downlinkRadioName +
                          " pair is NOT connected, turned on, or is not fitted with readback "
                          "facilities",
                      "", signature(16, station.app.versionText, station.app.versionDate)});
}

[[noreturn]] void Bad_Radio(Station& station) {
    station.platform.alerts.messageBox(badRadioText(station));
    shutDownAfterFatalDialog(station);
}

}  // namespace orvant
