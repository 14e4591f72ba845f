#include "l10n/HeldGroupTitle.h"

#include <QGroupBox>
#include <QVariant>

namespace vespera {

namespace {
constexpr const char* HeldTitle = "vesperaHeldTitle";
} // namespace

void holdGroupTitle(QGroupBox& group, const QString& title) {
    group.setProperty(HeldTitle, title);
}

QString groupTitle(const QGroupBox& group) {
    const QVariant held = group.property(HeldTitle);
    return held.isValid() ? held.toString() : group.title();
}

void setGroupTitle(QGroupBox& group, const QString& title) {
    if (group.property(HeldTitle).isValid())
        holdGroupTitle(group, title);
    else
        group.setTitle(title);
}

void releaseGroupTitle(QGroupBox& group) {
    const QVariant held = group.property(HeldTitle);
    if (!held.isValid())
        return;
    group.setProperty(HeldTitle, QVariant());
    group.setTitle(held.toString());
}

} // namespace vespera
