#pragma once

#include <string>

#include "platform/port_failure.h"

namespace orvant {

struct Station;

// Texts of the fatal dialogs, lines joined by carriage return and line feed. Each ends in the
// signature line with the version text and date.
std::string noCfgFileText(const std::string& version, const std::string& date,
                          const std::string& programDir);
std::string badCfgFileText(const std::string& version, const std::string& date);
std::string wrongDirText(const std::string& version, const std::string& date,
                         const std::string& programDir);
std::string noSatFileText(const std::string& version, const std::string& date,
                          const std::string& programDir);
std::string badSatFileText(const std::string& version, const std::string& date);
std::string noFilesText(const std::string& version, const std::string& date);
std::string badKepsText(const Station& station);
std::string noDriverText(const Station& station);
// What follows the no-driver dialog's text on this system: each way to the port that was tried
// and why it failed, then how to go on.
std::string portTriesText(const PortTries& tries);
std::string badRadioText(const Station& station);

// A radio whose read-back broke down: the dialog naming the pair of radios, then the shutdown;
// the program ends.
[[noreturn]] void Bad_Radio(Station& station);

}  // namespace orvant
