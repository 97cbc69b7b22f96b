#pragma once

#include <span>
#include <string>
#include <string_view>

namespace orvant {

// How a satellite file's mode text finds its row in a model's mode table.

// The text as tables are searched for it: without its surrounding blanks, and with the narrow and
// wide marks "(N)", "-N" and "-W" written "N" and "W", so that "FM(N)", "FM-N" and "FMN" are one
// mode.
std::string modeKey(std::string_view text);

// The row of the same mode, else the row of the longest mode the text begins with ("USB-D" is
// USB, "CW-R(N)" is CW-R in a table without a narrow CW-R); nullptr when there is none, and the
// model's own choice for every other text applies.
template <typename Row>
const Row* nearestModeRow(std::span<const Row> table, std::string_view text) {
    const std::string key = modeKey(text);
    const Row* best = nullptr;
    std::size_t bestLength = 0;
    for (const Row& row : table) {
        const std::string rowKey = modeKey(row.text);
        if (rowKey == key) return &row;
        if (!rowKey.empty() && key.starts_with(rowKey) && rowKey.size() > bestLength) {
            best = &row;
            bestLength = rowKey.size();
        }
    }
    return best;
}

// Whether the table holds a row of the same mode as `text`, not only a nearest one.
template <typename Row>
bool holdsMode(std::span<const Row> table, std::string_view text) {
    const std::string key = modeKey(text);
    for (const Row& row : table)
        if (modeKey(row.text) == key) return true;
    return false;
}

}  // namespace orvant
