#pragma once

#include <QString>

class QGroupBox;

namespace vespera {

// A group box's title can be held aside until its window first shows: setting a title measures it,
// which loads the font machinery a window that never shows does not need. While held, the title is
// read and written here instead of on the group box (the translator does so), and the group box shows
// none; releasing puts the last title up.
void holdGroupTitle(QGroupBox& group, const QString& title);
QString groupTitle(const QGroupBox& group);
void setGroupTitle(QGroupBox& group, const QString& title);
void releaseGroupTitle(QGroupBox& group);

} // namespace vespera
