#include "settings/AtomicFile.h"

#include "settings/SettingsWriteError.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace vespera {

namespace {

[[noreturn]] void fail(const QString& path, const QString& reason) {
    throw SettingsWriteError(
        QStringLiteral("Cannot write \"%1\": %2").arg(QDir::toNativeSeparators(path), reason));
}

} // namespace

void writeFileAtomically(const QString& path, const QByteArray& contents) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        fail(path,
             QStringLiteral("the folder \"%1\" cannot be created").arg(QDir::toNativeSeparators(folder)));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(path, file.errorString());
    // QSaveFile::commit() renames the temporary file even when its own final flush fails (a full disk
    // writes only a part), so the bytes are flushed here first and a failure stops before the rename.
    if (file.write(contents) != contents.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(path, reason);
    }
    if (!file.commit())
        fail(path, file.errorString());
}

} // namespace vespera
