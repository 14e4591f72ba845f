#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

#include <initializer_list>

namespace vespera {

// Pictures compiled in as PNG files, each read as the PNG it is: an image reader left to tell the format
// itself asks every picture format plugin of the system, which loads the SVG renderer too.

// The picture at `path`; a null pixmap when there is none.
QPixmap readPng(const QString& path);

// The pictures at `paths` as one icon, which picks the size it is asked for; missing ones are left out.
QIcon pngIcon(std::initializer_list<QString> paths);

// The picture at `path` (".../name.png") with the one drawn at twice its size (".../name@2x.png").
QIcon pngIcon(const QString& path);

} // namespace vespera
