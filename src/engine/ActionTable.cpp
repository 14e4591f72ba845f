#include "engine/ActionTable.h"

#include <array>

namespace vespera {

namespace {

constexpr std::array<ActionKind, 5> WithHibernate = {
    ActionKind::PowerOff, ActionKind::Hibernate, ActionKind::Standby, ActionKind::Reboot, ActionKind::LogOff};
constexpr std::array<ActionKind, 5> WithoutHibernate = {
    ActionKind::PowerOff, ActionKind::Standby, ActionKind::Reboot, ActionKind::LogOff, ActionKind::LogOff};

QString nameOf(ActionKind kind) {
    switch (kind) {
    case ActionKind::PowerOff:
        return ActionNames::PowerOff;
    case ActionKind::Hibernate:
        return ActionNames::Hibernate;
    case ActionKind::Standby:
        return ActionNames::Standby;
    case ActionKind::Reboot:
        return ActionNames::Reboot;
    case ActionKind::LogOff:
        return ActionNames::LogOff;
    }
    return ActionNames::PowerOff;
}

int textNumber(ActionKind kind) {
    switch (kind) {
    case ActionKind::PowerOff:
        return 124;
    case ActionKind::Hibernate:
        return 126;
    case ActionKind::Standby:
        return 128;
    case ActionKind::Reboot:
        return 130;
    case ActionKind::LogOff:
        return 132;
    }
    return 124;
}

} // namespace

ActionKind actionKindForIndex(int index, bool hibernateEntry) {
    if (index < 0 || index > 4)
        return ActionKind::PowerOff;
    const auto& table = hibernateEntry ? WithHibernate : WithoutHibernate;
    return table[static_cast<std::size_t>(index)];
}

QString actionNameForIndex(int index, bool hibernateEntry) {
    return nameOf(actionKindForIndex(index, hibernateEntry));
}

int actionIndexForName(const QString& name, bool hibernateEntry) {
    const int shift = hibernateEntry ? 0 : 1;
    if (name == ActionNames::PowerOff)
        return 0;
    if (name == ActionNames::Standby)
        return 2 - shift;
    if (name == ActionNames::Reboot)
        return 3 - shift;
    if (name == ActionNames::LogOff)
        return 4 - shift;
    return 1; // hibernation, or the suspend that stands in for it
}

ActionKind actionKindForName(const QString& name) {
    if (name == ActionNames::PowerOff)
        return ActionKind::PowerOff;
    if (name == ActionNames::Standby)
        return ActionKind::Standby;
    if (name == ActionNames::Reboot)
        return ActionKind::Reboot;
    if (name == ActionNames::LogOff)
        return ActionKind::LogOff;
    return ActionKind::Hibernate;
}

QString actionShortKey(ActionKind kind) {
    return QStringLiteral("IDS_") + QString::number(textNumber(kind));
}
QString actionLongKey(ActionKind kind) {
    return QStringLiteral("IDS_") + QString::number(textNumber(kind) + 1);
}

} // namespace vespera
