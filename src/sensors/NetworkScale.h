#pragma once

#include <QString>

#include <optional>

namespace vespera {

// The scale of the network gauge and threshold slider. NetScaleMax, the upper end in kb/s, starts 10
// above the stored threshold and only ever grows: a load above it becomes the new upper end, which the
// scale label, the gauge and the slider follow together (at least 1..100, the layout's range).
class NetworkScale {
public:
    static constexpr int SliderMinimum = 1;
    static constexpr int DesignMaximum = 100; // gauge and slider maximum of the window's layout

    // The scale at start-up from the stored network threshold (net_taskbar).
    void start(int netThreshold);
    // The gauge shows `netLoad`; a load above the scale raises it.
    void show(int netLoad);

    int NetScaleMax() const { return max_; }
    // The scale label under the slider's right end (Label4): "125 kb/s".
    QString label() const;

    int gaugeValue() const { return gaugeValue_; }
    int gaugeMaximum() const { return sliderMaximum_; }
    // The gauge's text: the value followed by "kb/s".
    QString gaugeText() const;

    int sliderMaximum() const { return sliderMaximum_; }
    // The slider's tick interval once its maximum is above 100: a tenth of it, a half rounded to the even
    // neighbour. Empty while the slider keeps its layout's interval.
    std::optional<int> tickFrequency() const;

    // What "Setzen" (Button3) makes the threshold: the gauge's value within the slider's range.
    int thresholdFromGauge() const;

private:
    int max_ = 10;
    int gaugeValue_ = 0;
    int sliderMaximum_ = DesignMaximum;
};

} // namespace vespera
