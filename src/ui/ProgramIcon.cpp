#include "ui/ProgramIcon.h"

#include "ui/PngIconEngine.h"

#include <QDir>

namespace vespera {

QIcon programIcon() {
    const QDir pictures(QStringLiteral(":/icon"));
    QStringList paths;
    for (const QString& name : pictures.entryList(QDir::Files))
        paths.append(pictures.filePath(name));
    return QIcon(new PngIconEngine(paths));
}

} // namespace vespera
