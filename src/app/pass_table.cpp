#include "app/pass_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "config/config_error.h"
#include "config/element_file.h"
#include "config/satellite_file.h"
#include "config/station_config_reader.h"
#include "config/text_rules.h"
#include "platform/file_system.h"
#include "station/orbit_state.h"
#include "tracking/orbit_model.h"
#include "tracking/pass_search.h"

namespace orvant {

namespace {

constexpr double kSecondsPerHour = 3600;

struct ListedPass {
    std::string satellite;
    Pass pass;
};

// Converts between the seconds of the pass search and the station's local time, from the clock
// reading the table starts at.
class LocalClock {
  public:
    LocalClock(const LocalDateTime& now, double timeOffsetHours) : start_(now) {
        start_.millisecond = 0;
        startUtc_ = std::llround(utcDays(start_, timeOffsetHours) * 86400);
    }
    UtcSecond startUtc() const { return startUtc_; }
    LocalDateTime local(UtcSecond s) const {
        return addMilliseconds(start_, (s - startUtc_) * 1000);
    }

  private:
    LocalDateTime start_;
    UtcSecond startUtc_ = 0;
};

std::string dateTimeText(const LocalDateTime& t, char separator) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d%c%02d:%02d:%02d", t.year, t.month, t.day,
                  separator, t.hour, t.minute, t.second);
    return buf;
}

std::string timeText(const LocalDateTime& t) {
    return dateTimeText(t, ' ').substr(11);
}

std::string lengthText(long long seconds) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return buf;
}

std::string fileErrorText(const FileError& e) {
    if (!e.detail.empty()) return e.detail;
    switch (e.kind) {
        case FileErrorKind::NotFound:
            return "file not found";
        case FileErrorKind::PathNotFound:
            return "folder not found";
        case FileErrorKind::PastEnd:
            return "values missing";
        case FileErrorKind::Corrupt:
            break;
    }
    return "a value out of range";
}

// The satellites of the table: those named, or every satellite file with an orbit.
std::vector<std::string> satellitesOf(const PassTableRequest& request, FileSystem& files) {
    if (!request.names.empty()) return request.names;
    std::vector<std::string> names;
    for (const std::string& file : files.listFiles(".sat")) {
        const std::string name = toUpper(file.substr(0, file.size() - 4));
        if (name != "KWIP" && name != "PARK") names.push_back(name);
    }
    return names;
}

class TableBuilder {
  public:
    TableBuilder(FileSystem& files, const StationConfig& cfg, std::ostream& err)
        : files_(files), cfg_(cfg), err_(err) {}

    // The passes of one satellite; false (said on the error stream) when it has none to give.
    bool add(const std::string& name, UtcSecond from, UtcSecond to) {
        const std::string upper = toUpper(name);
        if (upper == "KWIP" || upper == "PARK" || upper == "DEFAULT") return fail(name, "no orbit");
        const std::string satFile = satelliteFileName(upper) + ".SAT";
        std::string catalog;
        try {
            catalog = parseSatelliteFile(readStationFile(files_, satFile), upper, {}).catalogNumber;
        } catch (const FileError& e) {
            return fail(name, satFile + ": " + fileErrorText(e));
        }
        OrbitState orbit;
        try {
            orbitSetup(orbit, cfg_,
                       findElementSet(readStationFile(files_, cfg_.kepsPath), catalog));
        } catch (const FileError& e) {
            return fail(name, cfg_.kepsPath + ": " + fileErrorText(e));
        }
        for (const Pass& p : findPasses(orbit, cfg_.minElevation, from, to))
            passes_.push_back({upper, p});
        return true;
    }

    std::vector<ListedPass> byRise() {
        std::stable_sort(passes_.begin(), passes_.end(), [](const auto& a, const auto& b) {
            return a.pass.rise.value_or(a.pass.top) < b.pass.rise.value_or(b.pass.top);
        });
        return passes_;
    }

  private:
    bool fail(const std::string& name, const std::string& why) {
        err_ << "orvant: " << name << ": " << why << "\n";
        return false;
    }

    FileSystem& files_;
    const StationConfig& cfg_;
    std::ostream& err_;
    std::vector<ListedPass> passes_;
};

std::string optionalTime(const LocalClock& clock, const std::optional<UtcSecond>& s,
                         bool withDate) {
    if (!s) return "-";
    return withDate ? dateTimeText(clock.local(*s), ' ') : timeText(clock.local(*s));
}

void printTable(std::ostream& out, const std::vector<ListedPass>& passes, const LocalClock& clock,
                const StationConfig& cfg, double hours) {
    out << "Passes from " << dateTimeText(clock.local(clock.startUtc()), ' ') << " for "
        << numberText(hours) << " hours, local time; in view at " << numberText(cfg.minElevation)
        << " degrees and above; orbit model "
        << (cfg.orbitModel == OrbitModelKind::Sgp4 ? "sgp4" : "own") << "\n";
    char line[200];
    std::snprintf(line, sizeof line, "%-12s %-19s %5s  %-8s %4s  %-8s %5s  %8s\n", "Satellite",
                  "Rise", "Az", "Highest", "El", "Set", "Az", "Length");
    out << line;
    for (const ListedPass& l : passes) {
        const Pass& p = l.pass;
        const std::string length = p.rise && p.set ? lengthText(*p.set - *p.rise) : "-";
        std::snprintf(line, sizeof line, "%-12s %-19s %5s  %-8s %4.1f  %-8s %5s  %8s\n",
                      l.satellite.c_str(), optionalTime(clock, p.rise, true).c_str(),
                      p.rise ? fixed(p.riseAzimuthDeg, 1).c_str() : "-",
                      timeText(clock.local(p.top)).c_str(), p.topElevationDeg,
                      optionalTime(clock, p.set, false).c_str(),
                      p.set ? fixed(p.setAzimuthDeg, 1).c_str() : "-", length.c_str());
        out << line;
    }
}

void printCsv(std::ostream& out, const std::vector<ListedPass>& passes, const LocalClock& clock) {
    out << "satellite,rise,rise_azimuth,top,top_elevation,set,set_azimuth,duration_s\n";
    for (const ListedPass& l : passes) {
        const Pass& p = l.pass;
        const auto when = [&](const std::optional<UtcSecond>& s) {
            return s ? dateTimeText(clock.local(*s), 'T') : "";
        };
        out << l.satellite << ',' << when(p.rise) << ','
            << (p.rise ? fixed(p.riseAzimuthDeg, 1) : "") << ','
            << dateTimeText(clock.local(p.top), 'T') << ',' << fixed(p.topElevationDeg, 1) << ','
            << when(p.set) << ',' << (p.set ? fixed(p.setAzimuthDeg, 1) : "") << ','
            << (p.rise && p.set ? std::to_string(*p.set - *p.rise) : "") << '\n';
    }
}

}  // namespace

int printPassTable(const PassTableRequest& request, const LocalDateTime& now, FileSystem& files,
                   std::ostream& out, std::ostream& err) {
    StationConfig cfg;
    try {
        cfg = parseStationConfig(readStationFile(files, "ORV.CFG"), false);
        if (!files.changeDirectory(cfg.programDirectory))
            throw FileError{FileErrorKind::PathNotFound};
    } catch (const FileError& e) {
        err << "orvant: ORV.CFG: " << fileErrorText(e) << "\n";
        return 1;
    }
    const LocalClock clock(now, cfg.timeOffsetHours);
    const UtcSecond from = clock.startUtc();
    const auto to = from + std::llround(request.hours * kSecondsPerHour);
    TableBuilder table(files, cfg, err);
    bool allListed = true;
    for (const std::string& name : satellitesOf(request, files))
        allListed = table.add(name, from, to) && allListed;
    const std::vector<ListedPass> passes = table.byRise();
    if (request.csv)
        printCsv(out, passes, clock);
    else
        printTable(out, passes, clock, cfg, request.hours);
    return allListed ? 0 : 1;
}

}  // namespace orvant
