#pragma once

#include <QByteArray>
#include <QString>

namespace vespera {

// Replaces the file at path with contents in one step: the bytes go to a temporary file in the same
// folder, are flushed, and the temporary file is renamed over the old one. The folder is created with
// its missing parents first. A crash or a full disk leaves either the old file or the new one, never a
// half-written file. Throws SettingsWriteError when anything fails.
void writeFileAtomically(const QString& path, const QByteArray& contents);

} // namespace vespera
