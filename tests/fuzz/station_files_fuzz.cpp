// The station's files as the operator may have left them: ORV.CFG, a satellite file and the
// element file (two-line sets, Alpha-5 catalog numbers, OMM as CSV, XML or JSON). Each reader
// yields all its values, or fails with one error that start-up shows as exactly one dialog.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "app/startup_errors.h"
#include "config/config_error.h"
#include "config/element_file.h"
#include "config/memory_channel.h"
#include "config/satellite_file.h"
#include "config/station_config_reader.h"
#include "config/value_file.h"
#include "fuzz_check.h"
#include "station/program_end.h"
#include "support/station_harness.h"
#include "tracking/orbit_model.h"
#include "tracking/orbit_propagation.h"

namespace orvant::fuzz {
namespace {

// The values a reader kept are the file's values, in order.
void requireValuesKept(const std::string& text, const std::string* raw, std::size_t count) {
    const std::vector<std::string> values = readValues(text, count);
    for (std::size_t i = 0; i < count; ++i) require(raw[i] == values[i]);
}

void checkConfig(const std::string& text, bool demo) {
    const StationConfig cfg = parseStationConfig(text, demo);
    requireValuesKept(text, &cfg.raw[2], 35);
    require(cfg.rotatorType >= 0 && cfg.rotatorType <= 5 && (!demo || cfg.rotatorType == 0));
    require(cfg.azToleranceDeg >= 2 && cfg.elToleranceDeg >= 2);
    for (const std::int16_t counts : {cfg.azToleranceCounts, cfg.elToleranceCounts})
        require(counts >= 0 && counts <= 255);  // what a frame slot carries
    require(civMemoryChannel(cfg.memoryChannel).has_value());
    require(cfg.azUpdateStep != 0 && cfg.elUpdateStep != 0 && cfg.idlePollPasses >= 1);
    require(cfg.portStatus == cfg.portData + 1 && cfg.portControl == cfg.portData + 2);
    for (double value : {cfg.latitudeRad, cfg.longitudeRad, cfg.heightKm, cfg.timeOffsetHours,
                         cfg.azOffsetDeg, cfg.elOffsetDeg, cfg.minElevation, cfg.maxElevation,
                         cfg.ddePollSpacing, cfg.parkElToleranceCounts})
        require(finite(value));
    require(cfg.ddePollSpacing >= 4 && cfg.azOffsetDeg >= 0 && cfg.azOffsetDeg <= 180);
    require(std::abs(cfg.timeOffsetHours) <= 14);
}

void checkSatellite(const std::string& name, const std::string& text) {
    const SatelliteRecord sat = parseSatelliteFile(text, name, SatelliteRecord{});
    requireValuesKept(text, &sat.raw[1], 26);
    for (double value : {sat.uplinkMHz, sat.downlinkMHz, sat.offsetMHz, sat.uplinkOffsetKHz,
                         sat.fineStepHz, sat.downConverterMHz, sat.upConverterMHz, sat.beaconMHz})
        require(finite(value));
    require(sat.uplinkInversion * sat.uplinkInversion == 1);
    require(sat.downlinkInversion * sat.downlinkInversion == 1);
}

// An element set found must be one the orbit models serve: at every time each model either
// places the satellite, in numbers and within reach of an earth orbit, or says why it cannot.
void checkElements(const std::string& catalog, const std::string& text) {
    const ElementSet e = findElementSet(text, catalog);
    require(e.meanMotion >= kMinMeanMotion && e.meanMotion <= kMaxMeanMotion);
    require(e.eccentricity >= 0 && e.eccentricity < 1);
    for (OrbitModelKind model : {OrbitModelKind::Own, OrbitModelKind::Sgp4}) {
        StationConfig cfg;
        cfg.orbitModel = model;
        OrbitState orbit;
        orbitSetup(orbit, cfg, e);
        for (double days : {0.0, 0.25, 400.0}) {
            const SkyFix fix = skyFixAt(orbit, orbit.TEG + days);
            if (!fix.fault.empty()) continue;
            require(fix.azimuthDeg >= 0 && fix.azimuthDeg <= 360);
            require(fix.elevationDeg >= -90 && fix.elevationDeg <= 90);
            require(std::fabs(fix.rangeRate) <= 12);
            const std::int16_t phase = orbitPhase256(fix.meanAnomaly);
            require(phase >= 0 && phase <= 255);
        }
    }
}

// Start-up shows one dialog for the error at the stage of the file, and ends. Before the loop
// runs, the dialog and the shutdown leave nothing behind that the next error would see, so one
// station serves every input (building a station per input would take most of the run).
void requireOneDialog(Stage stage, FileErrorKind kind) {
    static testing::StationHarness h;
    h.alerts.boxes.clear();
    h.traceText.str("");
    h.station.app.stage = stage;
    try {
        reportStartupError(h.station, kind);
    } catch (const ProgramEnd& end) {
        require(end.reason == EndReason::Fatal);
    }
    require(h.alerts.boxes.size() == 1);
}

}  // namespace
}  // namespace orvant::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvant;
    fuzz::Input in(data, size);
    const std::uint8_t pick = in.byte();
    Stage stage = Stage::ConfigFile;
    try {
        switch (pick % 3) {
            case 0:
                fuzz::checkConfig(in.rest(), (pick & 0x80) != 0);
                break;
            case 1:
                stage = Stage::SatelliteFile;
                fuzz::checkSatellite(in.line(), in.rest());
                break;
            default:
                stage = Stage::ElementFile;
                fuzz::checkElements(in.line(), in.rest());
                break;
        }
    } catch (const FileError& error) {
        fuzz::requireOneDialog(stage, error.kind);
    }
    return 0;
}
