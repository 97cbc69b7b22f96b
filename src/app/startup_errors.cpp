#include "app/startup_errors.h"

#include <string>

#include "app/fatal_dialogs.h"
#include "shutdown/shutdown.h"
#include "station/program_end.h"
#include "station/station.h"
#include "station/waits.h"

namespace orvant {

namespace {

[[noreturn]] void dialogThenShutdown(Station& s, const std::string& text) {
    s.platform.alerts.messageBox(text);
    shutDownAfterFatalDialog(s);
}

[[noreturn]] void dialogThenEnd(Station& s, const std::string& text) {
    s.platform.alerts.messageBox(text);
    endProgram(EndReason::Fatal);
}

bool fileMissing(FileErrorKind kind) {
    return kind == FileErrorKind::NotFound;
}
bool fileDamaged(FileErrorKind kind) {
    return kind == FileErrorKind::PastEnd || kind == FileErrorKind::Corrupt;
}

}  // namespace

void reportStartupError(Station& s, FileErrorKind kind) {
    const std::string& version = s.app.versionText;
    const std::string& date = s.app.versionDate;
    const std::string& dir = s.cfg.programDirectory;
    const Stage stage = s.app.stage;
    if (stage == Stage::ElementFile && (fileMissing(kind) || fileDamaged(kind))) {
        // A satellite loaded from the polling loop finds the station at work: full shutdown.
        if (s.app.loopRunning) dialogThenShutdown(s, badKepsText(s));
        dialogThenEnd(s, badKepsText(s));
    }
    if (kind == FileErrorKind::PathNotFound)
        dialogThenShutdown(s, wrongDirText(version, date, dir));
    if (stage == Stage::ConfigFile && fileMissing(kind))
        dialogThenShutdown(s, noCfgFileText(version, date, dir));
    if (stage == Stage::ConfigFile && fileDamaged(kind))
        dialogThenShutdown(s, badCfgFileText(version, date));
    if (stage == Stage::SatelliteFile && fileMissing(kind))
        dialogThenShutdown(s, noSatFileText(version, date, dir));
    if (stage == Stage::SatelliteFile && fileDamaged(kind))
        dialogThenShutdown(s, badSatFileText(version, date));
    // No dialog covers this error: nothing polls any more; the window waits for Exit.
    waitUntil(
        s, [] { return false; }, 1000);
}

void reportMissingDriver(Station& s) {
    dialogThenEnd(s, noDriverText(s) + "\r\n\r\n" + portTriesText(s.platform.portTries()));
}

}  // namespace orvant
