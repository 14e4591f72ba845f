#pragma once

#include <QMenu>

namespace vespera {

// A menu item with its component name, by which the translator and the tests find it.
inline QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

} // namespace vespera
