#include "app/command_line.h"

#include "config/text_rules.h"

namespace orvant {

namespace {

constexpr const char* kDemo = "DEMO";

// True when the text from the first "DEMO" to its end is exactly "DEMO".
bool endsInDemo(const std::string& text) {
    const auto at = text.find(kDemo);
    return at != std::string::npos && text.substr(at) == kDemo;
}

// True when that closing "DEMO" is a word of its own, not the end of a name such as "TESTDEMO".
bool demoIsOwnWord(const std::string& text) {
    const std::size_t at = text.size() - 4;
    return at == 0 || text[at - 1] == ' ';
}

}  // namespace

CommandLine parseCommandLine(const std::string& arguments) {
    CommandLine line;
    line.text = trim(toUpper(arguments));
    std::string text = line.text;
    line.demo = endsInDemo(text) && demoIsOwnWord(text);
    if (line.demo) text = trim(text.substr(0, text.size() - 4));
    if (line.text.rfind(kDemo, 0) == 0) text.clear();
    const auto blank = text.find(' ');
    if (blank == std::string::npos) {
        line.satName = text;
        line.modeWord = text;
    } else {
        line.modeWord = text.substr(0, blank);
    }
    return line;
}

}  // namespace orvant
