#include "tracker/text_sources.h"

#include <memory>

namespace orvant::tracker {

TextSource replayTexts(std::vector<std::string> texts) {
    auto shared = std::make_shared<std::vector<std::string>>(std::move(texts));
    auto next = std::make_shared<std::size_t>(0);
    return [shared, next](const LocalDateTime&) {
        const std::string& text = (*shared)[*next];
        if (*next + 1 < shared->size()) ++*next;
        return text;
    };
}

TextSource liveTexts(const std::string& programWord, const std::string& name, LiveSky sky,
                     bool flipAdvised, WispRadio radio) {
    return [=](const LocalDateTime& t) {
        const SkyView v = sky.at(t);
        if (programWord == "nova") return novaText(name, v, flipAdvised);
        if (programWord == "wintrak") return winTrakText(name, v);
        if (programWord == "winorbit") return winOrbitText(name, v);
        return wispText(name, v, radio);
    };
}

}  // namespace orvant::tracker
