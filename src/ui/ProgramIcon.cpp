#include "ui/ProgramIcon.h"

#include "ui/PngIcon.h"

#include <QDir>

namespace vespera {

QIcon programIcon() {
    const QDir pictures(QStringLiteral(":/icon"));
    QIcon icon;
    for (const QString& name : pictures.entryList(QDir::Files))
        icon.addPixmap(readPng(pictures.filePath(name)));
    return icon;
}

} // namespace vespera
