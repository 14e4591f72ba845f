#pragma once

#include <QString>

namespace vespera {

// The user's configuration folder ($XDG_CONFIG_HOME, else ~/.config), without a trailing separator.
QString configFolder();

// A per-user folder for run-time files such as locks ($XDG_RUNTIME_DIR, else a per-user folder in the
// temporary folder, created on demand).
QString runtimeFolder();

// The folder of the running program file; the program finds "ver.ini" and its other files there.
QString programFolder();

// The full path of the running program file.
QString programFile();

} // namespace vespera
