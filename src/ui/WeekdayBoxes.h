#pragma once

#include <QString>

#include <array>

namespace vespera {

// The schedule's day boxes, Monday first: their component names and German captions (the tables
// translate them).
inline constexpr std::array<const char*, 7> WeekdayBoxNames = {"chk1", "chk2", "chk3", "chk4",
                                                               "chk5", "chk6", "chk7"};

inline QString weekdayBoxCaption(int day) {
    static const std::array<QString, 7> captions = {QStringLiteral("Montag"),   QStringLiteral("Dienstag"),
                                                    QStringLiteral("Mittwoch"), QStringLiteral("Donnerstag"),
                                                    QStringLiteral("Freitag"),  QStringLiteral("Samstag"),
                                                    QStringLiteral("Sonntag")};
    return captions.at(static_cast<std::size_t>(day));
}

} // namespace vespera
