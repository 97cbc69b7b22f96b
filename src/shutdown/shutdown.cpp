#include "shutdown/shutdown.h"

#include "controller/controller_functions.h"
#include "controller/port_lines.h"
#include "radio/radio_reset.h"
#include "station/handlers.h"
#include "station/handoff.h"
#include "station/program_end.h"
#include "station/station.h"

namespace orvant {

void closeAll(Station& station) {
    get_regist(station);
    if (!handoffHeld(station)) endProgram(EndReason::Handoff);
    resetRadios(station);
    starter(station);
    station.track.closeDone = 1;
}

void closeAllBeforeEnd(Station& station, EndReason reason) {
    try {
        closeAll(station);
    } catch (const ProgramEnd&) {
        if (station.app.loopRunning || newerInstanceStarted(station)) throw;
        endProgram(reason);
    }
}

void shutDownAfterFatalDialog(Station& station) {
    closeAllBeforeEnd(station, EndReason::Fatal);
    releaseHandoff(station);
    endProgram(EndReason::Fatal);
}

void cmd_Bye_Click(Station& station) {
    closeAllBeforeEnd(station, EndReason::Exit);
    if (station.port) {
        PortLines lines(station);
        lines.writeData(0);
        lines.writeControl(1);
    }
    releaseHandoff(station);
    endProgram(EndReason::Exit);
}

void bindExitButton(Station& station) {
    bindHandler(station, "cmd_Bye", ControlEvent::Click, cmd_Bye_Click, true);
}

}  // namespace orvant
