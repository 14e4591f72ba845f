#pragma once

#include <QTimeZone>

namespace vespera {

// The offset from UTC of a time zone's clock at a moment. The zone's rules are read once for the span
// between two of its transitions; a later moment in that span, in the same zone, takes the offset found.
class ZoneOffsets {
public:
    // Milliseconds to add to `at` (ms since the epoch) to read `zone`'s clock.
    qint64 offsetMsAt(qint64 at, const QTimeZone& zone);

private:
    QTimeZone zone_;
    qint64 from_ = 0; // the moments [from_, until_) have offsetMs_
    qint64 until_ = 0;
    qint64 offsetMs_ = 0;
};

} // namespace vespera
