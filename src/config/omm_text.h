#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvant {

// How an element file is written: two-line element sets, or Orbit Mean-Elements Messages (OMM)
// as element-set providers serve them, in CSV, XML or JSON.
enum class ElementFileFormat { TwoLine, OmmCsv, OmmXml, OmmJson };

// The format of an element file, told by its content: XML starts with "<", JSON with "[" or "{",
// OMM CSV with a heading line that names NORAD_CAT_ID; anything else is read as two-line sets.
// A byte-order mark and leading white space are passed over.
ElementFileFormat elementFileFormat(const std::string& text);

// One OMM record: its fields by keyword ("MEAN_MOTION", "EPOCH"), as the text gives them.
using OmmRecord = std::vector<std::pair<std::string, std::string>>;

// The text of a record's field; nullopt when the record has none.
std::optional<std::string> ommField(const OmmRecord& record, std::string_view keyword);

// The records of an OMM text: the rows of CSV under its heading, the <omm> elements of XML (or
// its <segment>s), the objects of a JSON array (or the one object). A record keeps the fields
// with plain values; nested values are passed over. Throws FileError Corrupt, saying where, when
// the text cannot be read in its format.
std::vector<OmmRecord> ommRecords(const std::string& text, ElementFileFormat format);

}  // namespace orvant
