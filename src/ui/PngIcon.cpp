#include "ui/PngIcon.h"

#include <QImageReader>

namespace vespera {

QPixmap readPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon pngIcon(std::initializer_list<QString> paths) {
    QIcon icon;
    for (const QString& path : paths) {
        const QPixmap picture = readPng(path);
        if (!picture.isNull())
            icon.addPixmap(picture);
    }
    return icon;
}

QIcon pngIcon(const QString& path) {
    QString twice = path;
    twice.insert(path.lastIndexOf(u'.'), QStringLiteral("@2x"));
    return pngIcon({path, twice});
}

} // namespace vespera
