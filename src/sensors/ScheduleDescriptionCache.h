#pragma once

#include "settings/Settings.h"

#include <QString>

#include <array>
#include <optional>

namespace vespera {

class TextSource;

// The schedule line of the status text, built again only when what it is made of changed: the time, the
// kind, the day of the month, the weekdays, the texts and their active language, or the action's short
// text. The tick asks for it every second.
class ScheduleDescriptionCache {
public:
    // `language`: the active language of `texts`.
    const QString& text(const Settings& schedule, const TextSource& texts, int language,
                        const QString& actionShortText);

private:
    struct Inputs {
        int hour = 0;
        int minute = 0;
        int second = 0;
        int dayOfMonth = 0;
        QString kind;
        std::array<bool, 7> days{};
        const TextSource* texts = nullptr;
        int language = 0;
        QString actionShortText;

        bool operator==(const Inputs&) const = default;
    };

    std::optional<Inputs> inputs_;
    QString text_;
};

} // namespace vespera
