#pragma once

#include <string>

namespace orvant {

// The program's command line as start-up reads it.
struct CommandLine {
    std::string text;      // upper-cased and stripped
    bool demo = false;     // ends in "DEMO" (its first "DEMO" is its end)
    std::string modeWord;  // the first word (the whole text when it holds no blank)
    std::string satName;   // the whole text when it holds no blank, else empty
};

// Reads the argument text: upper case, blanks stripped; a text that ends in its first "DEMO"
// sets the demonstration flag, and that "DEMO" is taken off when it is a word of its own, so
// that "AO-7 DEMO" names AO-7 while "TESTDEMO" stays TESTDEMO; a text that begins with "DEMO" is
// empty from there on. One word is both the satellite name and the mode word; with two
// or more words the first is the mode word and no satellite is named.
CommandLine parseCommandLine(const std::string& arguments);

}  // namespace orvant
