#pragma once

#include <QString>

namespace vespera {

// The version text as the update check compares it: trimmed, every "Version " removed, ignoring case.
QString comparableVersion(const QString& versionText);

// Whether the offered version is newer than the installed one. Both split into four parts at "."
// (missing parts are "0", parts after the fourth are ignored); parts that both read as decimal
// numbers compare as numbers, others as lower-case texts; the first part that differs decides.
bool isNewerVersion(const QString& installed, const QString& offered);

} // namespace vespera
