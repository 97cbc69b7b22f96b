#pragma once

#include <string>

namespace orvant {

// The program's command line as start-up reads it.
struct CommandLine {
    std::string text;      // upper-cased and stripped
    bool demo = false;     // ends in the word "DEMO"
    std::string modeWord;  // the first word (the whole text when it holds no blank)
    std::string satName;   // the whole text when it holds no blank, else empty
};

// Reads the argument text: upper case, blanks stripped; a closing word "DEMO" sets the
// demonstration flag and is taken off, so that "AO-7 DEMO" names AO-7; a text that begins with
// "DEMO" is empty from there on. One word is both the satellite name and the mode word; with two
// or more words the first is the mode word and no satellite is named.
CommandLine parseCommandLine(const std::string& arguments);

}  // namespace orvant
