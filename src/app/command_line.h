#pragma once

#include <string>

namespace orvant {

// The program's command line as start-up reads it.
struct CommandLine {
    std::string text;      // upper-cased and stripped
    bool demo = false;     // ends in a word "DEMO" of its own (its first "DEMO" is its end)
    std::string modeWord;  // the first word (the whole text when it holds no blank)
    std::string satName;   // the whole text when it holds no blank, else empty
};

// Reads the argument text: upper case, blanks stripped; a text that ends in its first "DEMO",
// that "DEMO" a word of its own, sets the demonstration flag and loses that word, so that
// "AO-7 DEMO" names AO-7 in a demonstration while "TESTDEMO" names TESTDEMO and demonstrates
// nothing; a text that begins with "DEMO" is empty from there on. One word is both the satellite
// name and the mode word; with two or more words the first is the mode word and no satellite is
// named.
CommandLine parseCommandLine(const std::string& arguments);

}  // namespace orvant
