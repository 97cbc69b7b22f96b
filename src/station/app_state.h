#pragma once

#include <cstdint>
#include <string>

namespace orvant {

// Start-up stage codes: set before each step that may fail, read by the error handler.
enum class Stage : std::int16_t {
    None = 0,
    ConfigFile = 1,
    SatelliteFile = 2,
    SatelliteRead = 4,
    ElementFile = 10,
    PortDriver = 30,
};

// Start-up and instance hand-off state.
struct AppState {
    std::string versionText = "Ver 2.2.14";
    std::string versionDate = "April. 2002";
    Stage stage = Stage::None;
    std::string handoffValue;  // last value read from the settings store
    // This instance's number in the order of starts (empty until start-up took one), and the
    // newest instance's number as read last.
    std::string instanceNumber;
    std::string newestInstance;
    // The store could not keep this instance's "Left" entry when the loop began: its absence
    // then says nothing of a newer instance (the instance number still does).
    bool handoffUnwritten = false;
    // A change to the settings store failed and none has succeeded since (told once).
    bool settingsFailing = false;
    bool loopRunning = false;  // set just before the polling loop is entered
    // The program directory once it has been made current, as a full path: the satellite files
    // are read from it (a relative directory must not be applied a second time).
    std::string programFolder;
    // The folder the program was started in, where ORV.CFG is read.
    std::string startFolder;

    std::string commandLine;       // upper-cased, stripped
    bool demo = false;             // "DEMO" on the command line
    std::string modeWord;          // first word of the command line
    std::string satName;           // the running satellite name
    std::string selectedFileName;  // entry picked from the file list (or the first word)
    bool fileListFlag = false;     // the satellite comes from the file list
    bool wispMode = false;
    bool novaMode = false;
    std::string flipChoice;  // the operator's answer to the flip question ("Ye" for yes)
};

}  // namespace orvant
