#include "platform/line_server.h"

namespace orvant {

void LineSplitter::feed(int client, const std::string& bytes, std::vector<ClientLine>& lines) {
    for (const char c : bytes) {
        if (c == '\n') {
            if (!skipping_) {
                if (!partial_.empty() && partial_.back() == '\r') partial_.pop_back();
                lines.push_back({client, partial_, false});
            }
            partial_.clear();
            skipping_ = false;
        } else if (!skipping_) {
            partial_ += c;
            // One more than the limit: the line end may still be a "\r\n".
            if (partial_.size() > maxLine_ + 1) {
                lines.push_back({client, partial_.substr(0, maxLine_), true});
                partial_.clear();
                skipping_ = true;
            }
        }
    }
}

}  // namespace orvant
