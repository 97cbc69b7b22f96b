#pragma once

#include <string>

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
std::string badRadioText(const Station& station);

// A radio whose read-back broke down: the dialog naming the pair of radios, then the shutdown;
// the program ends.
[[noreturn]] void Bad_Radio(Station& station);

}  // namespace orvant
