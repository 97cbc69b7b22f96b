#include "config/omm_text.h"

#include <cctype>

#include "config/config_error.h"

namespace orvant {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Nesting beyond any OMM: deeper JSON is refused rather than followed.
constexpr int kMostNesting = 32;

[[noreturn]] void unreadable(const std::string& what) {
    throw FileError{FileErrorKind::Corrupt, what};
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string trimmed(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isSpace(text[first])) ++first;
    while (last > first && isSpace(text[last - 1])) --last;
    return std::string(text.substr(first, last - first));
}

std::size_t contentStart(const std::string& text) {
    std::size_t at = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    while (at < text.size() && isSpace(text[at])) ++at;
    return at;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = contentStart(text);
    while (at < text.size()) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(at, end - at));
        at = text.find_first_not_of("\r\n", end);
        if (at == std::string::npos) break;
    }
    return lines;
}

// --- CSV: a heading line of keywords, then one record a line; a field may be quoted ("a,b"),
// a quote inside doubled.

std::vector<std::string> csvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    if (quoted) unreadable("a quote is not closed in the line " + line);
    for (std::string& f : fields) f = trimmed(f);
    return fields;
}

std::vector<OmmRecord> csvRecords(const std::string& text) {
    const std::vector<std::string> lines = linesOf(text);
    std::vector<OmmRecord> records;
    if (lines.empty()) return records;
    const std::vector<std::string> heading = csvFields(lines[0]);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (trimmed(lines[i]).empty()) continue;
        const std::vector<std::string> values = csvFields(lines[i]);
        if (values.size() != heading.size())
            unreadable("line " + std::to_string(i + 1) + " has " + std::to_string(values.size()) +
                       " fields, the heading " + std::to_string(heading.size()));
        OmmRecord record;
        for (std::size_t f = 0; f < values.size(); ++f) record.emplace_back(heading[f], values[f]);
        records.push_back(std::move(record));
    }
    return records;
}

// --- XML: each record is an <omm> element (or a <segment> of one); its fields are the elements
// that hold text alone, such as <MEAN_MOTION>15.5</MEAN_MOTION>.

std::string xmlText(std::string_view raw) {
    static constexpr std::pair<std::string_view, char> kEntities[] = {
        {"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}, {"&quot;", '"'}, {"&apos;", '\''}};
    std::string text;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        bool replaced = false;
        for (const auto& [entity, c] : kEntities) {
            if (raw.substr(i).starts_with(entity)) {
                text += c;
                i += entity.size() - 1;
                replaced = true;
                break;
            }
        }
        if (!replaced) text += raw[i];
    }
    return trimmed(text);
}

std::string tagName(std::string_view tag) {
    std::size_t end = 0;
    while (end < tag.size() && !isSpace(tag[end]) && tag[end] != '/' && tag[end] != '>') ++end;
    return std::string(tag.substr(0, end));
}

OmmRecord xmlFields(std::string_view element) {
    OmmRecord record;
    std::size_t at = element.find('<');
    while (at != std::string_view::npos) {
        const std::size_t close = element.find('>', at);
        if (close == std::string_view::npos) unreadable("a tag is not closed");
        const std::string_view tag = element.substr(at + 1, close - at - 1);
        const std::size_t next = element.find('<', close);
        const bool opening = !tag.empty() && std::isalpha(static_cast<unsigned char>(tag[0]));
        if (opening && tag.ends_with('/')) {
            record.emplace_back(tagName(tag), "");
        } else if (opening && next != std::string_view::npos &&
                   element.substr(next).starts_with("</" + tagName(tag) + ">")) {
            record.emplace_back(tagName(tag), xmlText(element.substr(close + 1, next - close - 1)));
        }
        at = next;
    }
    return record;
}

// The elements named `name` (with or without attributes), each from its "<name" to its
// "</name>".
std::vector<std::string_view> xmlElements(std::string_view text, const std::string& name) {
    std::vector<std::string_view> found;
    const std::string open = "<" + name;
    const std::string close = "</" + name + ">";
    for (std::size_t at = text.find(open); at != std::string_view::npos;
         at = text.find(open, at + 1)) {
        const char after = at + open.size() < text.size() ? text[at + open.size()] : '\0';
        if (after != '>' && !isSpace(after)) continue;
        const std::size_t end = text.find(close, at);
        if (end == std::string_view::npos) unreadable("<" + name + "> is not closed");
        found.push_back(text.substr(at, end + close.size() - at));
        at = end;
    }
    return found;
}

std::vector<OmmRecord> xmlRecords(const std::string& text) {
    std::vector<std::string_view> elements = xmlElements(text, "omm");
    if (elements.empty()) elements = xmlElements(text, "segment");
    if (elements.empty()) unreadable("the XML holds no <omm> element");
    std::vector<OmmRecord> records;
    for (std::string_view e : elements) records.push_back(xmlFields(e));
    return records;
}

// --- JSON: an array of objects, or one object; a field is a member whose value is a string, a
// number, true, false or null.

class JsonReader {
  public:
    explicit JsonReader(const std::string& text) : text_(text), at_(contentStart(text)) {}

    std::vector<OmmRecord> records() {
        std::vector<OmmRecord> records;
        if (peek() == '[') {
            ++at_;
            if (!skipIf(']')) {
                do {
                    if (peek() != '{') fail("an object");
                    records.push_back(object(1));
                } while (skipIf(','));
                expect(']');
            }
        } else {
            records.push_back(object(1));
        }
        if (peek() != '\0') fail("the end of the text");
        return records;
    }

  private:
    char peek() {
        while (at_ < text_.size() && isSpace(text_[at_])) ++at_;
        return at_ < text_.size() ? text_[at_] : '\0';
    }
    bool skipIf(char c) {
        if (peek() != c) return false;
        ++at_;
        return true;
    }
    void expect(char c) {
        if (!skipIf(c)) fail(std::string("'") + c + "'");
    }
    [[noreturn]] void fail(const std::string& wanted) {
        unreadable("the JSON wants " + wanted + " at byte " + std::to_string(at_ + 1));
    }

    OmmRecord object(int depth) {
        expect('{');
        OmmRecord record;
        if (skipIf('}')) return record;
        do {
            if (peek() != '"') fail("a member name");
            std::string key = string();
            expect(':');
            std::optional<std::string> v = value(depth);
            if (v) record.emplace_back(std::move(key), std::move(*v));
        } while (skipIf(','));
        expect('}');
        return record;
    }

    // A plain value's text; nullopt for an object or an array, which are passed over.
    std::optional<std::string> value(int depth) {
        if (depth > kMostNesting) fail("less nesting");
        const char c = peek();
        if (c == '"') return string();
        if (c == '{') {
            object(depth + 1);
            return std::nullopt;
        }
        if (c == '[') {
            ++at_;
            if (!skipIf(']')) {
                do value(depth + 1);
                while (skipIf(','));
                expect(']');
            }
            return std::nullopt;
        }
        const std::size_t from = at_;
        while (at_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[at_])) ||
                                      text_[at_] == '.' || text_[at_] == '-' || text_[at_] == '+'))
            ++at_;
        if (at_ == from) fail("a value");
        return text_.substr(from, at_ - from);
    }

    std::string string() {
        expect('"');
        std::string s;
        while (at_ < text_.size() && text_[at_] != '"') {
            char c = text_[at_++];
            if (c == '\\' && at_ < text_.size()) {
                c = text_[at_++];
                if (c == 'u') {
                    at_ = std::min(at_ + 4, text_.size());
                    c = '?';  // no keyword or number holds one
                } else if (c == 'n' || c == 't' || c == 'r' || c == 'b' || c == 'f') {
                    c = ' ';
                }
            }
            s += c;
        }
        expect('"');
        return s;
    }

    const std::string& text_;
    std::size_t at_;
};

}  // namespace

ElementFileFormat elementFileFormat(const std::string& text) {
    const std::size_t start = contentStart(text);
    if (start < text.size() && text[start] == '<') return ElementFileFormat::OmmXml;
    if (start < text.size() && (text[start] == '[' || text[start] == '{'))
        return ElementFileFormat::OmmJson;
    const std::vector<std::string> lines = linesOf(text);
    if (!lines.empty() && lines[0].find("NORAD_CAT_ID") != std::string::npos &&
        lines[0].find(',') != std::string::npos)
        return ElementFileFormat::OmmCsv;
    return ElementFileFormat::TwoLine;
}

std::optional<std::string> ommField(const OmmRecord& record, std::string_view keyword) {
    for (const auto& [key, value] : record)
        if (key == keyword) return value;
    return std::nullopt;
}

std::vector<OmmRecord> ommRecords(const std::string& text, ElementFileFormat format) {
    switch (format) {
        case ElementFileFormat::OmmCsv:
            return csvRecords(text);
        case ElementFileFormat::OmmXml:
            return xmlRecords(text);
        case ElementFileFormat::OmmJson:
            return JsonReader(text).records();
        case ElementFileFormat::TwoLine:
            break;
    }
    return {};
}

}  // namespace orvant
