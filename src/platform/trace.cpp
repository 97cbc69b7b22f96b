#include "platform/trace.h"

#include <cstdio>
#include <sstream>

namespace orvant {

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20 || c >= 0x7F) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

namespace {

std::string jsonValue(const TraceValue& value) {
    struct Writer {
        std::string operator()(std::int64_t v) const { return std::to_string(v); }
        std::string operator()(double v) const {
            std::ostringstream s;
            s.imbue(std::locale::classic());
            s.precision(10);
            s << v;
            return s.str();
        }
        std::string operator()(bool v) const { return v ? "true" : "false"; }
        std::string operator()(const std::string& v) const { return jsonString(v); }
        std::string operator()(const std::vector<int>& v) const {
            std::string out = "[";
            for (std::size_t i = 0; i < v.size(); ++i) out += (i ? "," : "") + std::to_string(v[i]);
            return out + "]";
        }
    };
    return std::visit(Writer{}, value);
}

}  // namespace

void Trace::event(const std::string& name, std::initializer_list<TraceField> fields) {
    event(name, std::vector<TraceField>(fields));
}

void Trace::event(const std::string& name, const std::vector<TraceField>& fields) {
    if (!out_) return;
    std::string line = "{\"t\":" + std::to_string(clockMs_()) + ",\"ev\":" + jsonString(name);
    for (const auto& [key, value] : fields) line += "," + jsonString(key) + ":" + jsonValue(value);
    line += "}\n";
    *out_ << line;
    out_->flush();
}

}  // namespace orvant
