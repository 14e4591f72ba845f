#include "ui/ProgramIcon.h"

#include <QDir>
#include <QImageReader>
#include <QPixmap>

namespace vespera {

// Each picture is read as the PNG it is: an image reader left to tell the format itself asks every
// picture format plugin of the system, which loads the SVG renderer too.
QIcon programIcon() {
    const QDir pictures(QStringLiteral(":/icon"));
    QIcon icon;
    for (const QString& name : pictures.entryList(QDir::Files)) {
        QImageReader reader(pictures.filePath(name), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

} // namespace vespera
