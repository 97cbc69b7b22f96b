#pragma once

#include <string>

// Where the servers of tracking programs are found: one Unix-domain socket per service and topic
// in a folder that only this user may write, so no other user can stand in for a server.
namespace orvant::rendezvous {

// $XDG_RUNTIME_DIR/orvant-dde, or /tmp/orvant-dde-<uid> when that variable is unset.
std::string defaultFolder();

// Creates the folder (mode 0700) when it is missing and checks that it is a folder of this user
// that nobody else can write. Returns what is wrong with it, or an empty text when it may be
// used.
std::string prepareFolder(const std::string& folder);

// The socket of a service and topic: every byte of "service|topic" other than a letter, a digit,
// '.', '_' or '-' becomes %XX, so "WinTrak Pro|DDEForm" is served at "WinTrak%20Pro%7CDDEForm".
std::string socketName(const std::string& service, const std::string& topic);
std::string socketPath(const std::string& folder, const std::string& service,
                       const std::string& topic);

}  // namespace orvant::rendezvous
