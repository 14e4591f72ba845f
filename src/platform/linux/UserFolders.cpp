#include "platform/UserFolders.h"

#include "platform/linux/FolderDescriptor.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace vespera {

namespace {

QString absoluteEnv(const char* name) {
    const QString value = qEnvironmentVariable(name);
    return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : QString();
}

} // namespace

QString configFolder() {
    const QString xdg = absoluteEnv("XDG_CONFIG_HOME");
    return xdg.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : xdg;
}

QString systemRuntimeFolder() {
    const QString xdg = absoluteEnv("XDG_RUNTIME_DIR");
    return !xdg.isEmpty() && QFileInfo(xdg).isDir() ? xdg : QString();
}

QString fallbackRuntimeFolder() {
    return QDir::tempPath() + QStringLiteral("/vespera-%1").arg(::getuid());
}

QString privateTemporaryFolder() {
    const QString path = QDir::tempPath() + QStringLiteral("/vespera-%1-update").arg(::getuid());
    return FolderDescriptor::openPrivate(path, ::getuid()).descriptor() >= 0 ? path : QString();
}

QString programFile() {
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

QString programFolder() {
    return QFileInfo(programFile()).absolutePath();
}

} // namespace vespera
