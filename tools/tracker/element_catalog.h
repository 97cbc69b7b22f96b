#pragma once

#include <optional>
#include <string>

#include "config/satellite_record.h"

namespace orvant::tracker {

// A satellite of a two-line element file, as a tracking program names it.
struct CatalogSatellite {
    std::string name;  // the short name: the text in parentheses of the name line, if any
    ElementSet elements;
};

// Finds a satellite in the text of a two-line element file by its catalog number ("7530" and
// "07530" alike) or by its name (the whole name line or the short name, letter case aside).
std::optional<CatalogSatellite> findSatellite(const std::string& fileText,
                                              const std::string& catalogOrName);

}  // namespace orvant::tracker
