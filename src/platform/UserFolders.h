#pragma once

#include <QString>

namespace vespera {

// The user's configuration folder ($XDG_CONFIG_HOME, else ~/.config), without a trailing separator.
QString configFolder();

// The user's run-time folder that the system made for this logon ($XDG_RUNTIME_DIR when it names a
// folder), or an empty string.
QString systemRuntimeFolder();

// Where run-time files go when the system gives no run-time folder: "vespera-<uid>" in the temporary
// folder. It is the user's own only once checked: another user may have made it first.
QString fallbackRuntimeFolder();

// A folder in the temporary folder that only this user may use, "vespera-<uid>-update", made with mode
// 0700: a download that is run later must not lie where another user could put a file in its place.
// Empty when no such folder can be had.
QString privateTemporaryFolder();

// The folder of the running program file; the program finds "ver.ini" and its other files there.
QString programFolder();

// The full path of the running program file.
QString programFile();

} // namespace vespera
