#pragma once

#include <string>

namespace orvant {

struct Station;

// What the operator is told when a tracking program cannot be reached, lines joined by carriage
// return and line feed, closed by the signature with the version text and date.
std::string novaFailureText(const Station& station);
// The shorter message of the start-up "TUNE ON" poke.
std::string novaPokeFailureText();
std::string winTrakFailureText(const Station& station);
std::string winOrbitFailureText(const Station& station);
std::string wispFailureText(const Station& station);

}  // namespace orvant
