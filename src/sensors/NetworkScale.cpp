#include "sensors/NetworkScale.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace vespera {

namespace {

constexpr int ScaleHeadroom = 10; // kb/s above the threshold at start-up

// A tenth, with a half going to the even neighbour.
int tenthRoundedHalfEven(int value) {
    const int quotient = value / 10;
    const int remainder = value % 10;
    if (remainder > 5 || (remainder == 5 && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}

} // namespace

// The gauge, the slider and the label under the slider's right end share one upper end: the scale,
// but never less than the layout's 100, so a threshold up to 100 can always be chosen. A negative
// threshold (a hand-edited file) counts as 0 here.
void NetworkScale::start(int netThreshold) {
    const std::int64_t upper = std::max<std::int64_t>(netThreshold, 0) + ScaleHeadroom;
    max_ = static_cast<int>(std::min<std::int64_t>(upper, INT_MAX));
    sliderMaximum_ = std::max(DesignMaximum, max_);
}

// The upper end only grows: lowering it under the slider's position would move the user's threshold.
void NetworkScale::show(int netLoad) {
    gaugeValue_ = netLoad;
    if (netLoad <= max_)
        return;
    max_ = netLoad;
    sliderMaximum_ = std::max(sliderMaximum_, max_);
}

QString NetworkScale::label() const {
    return QString::number(sliderMaximum_) + QStringLiteral(" kb/s");
}

QString NetworkScale::gaugeText() const {
    return QString::number(gaugeValue_) + QStringLiteral("kb/s");
}

std::optional<int> NetworkScale::tickFrequency() const {
    if (sliderMaximum_ <= DesignMaximum)
        return std::nullopt;
    return tenthRoundedHalfEven(sliderMaximum_);
}

int NetworkScale::thresholdFromGauge() const {
    return std::clamp(gaugeValue_, SliderMinimum, sliderMaximum_);
}

} // namespace vespera
