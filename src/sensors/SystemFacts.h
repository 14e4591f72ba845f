#pragma once

#include "platform/SystemInformation.h"

#include <optional>

namespace vespera {

struct ScreenFacts {
    int width = 0;  // pixels
    int height = 0; // pixels
    int bitsPerPixel = 0;

    bool operator==(const ScreenFacts&) const = default;
};

// Everything the information panel's system summary is made of.
struct SystemFacts {
    ProcessorFacts processor;
    OperatingSystemFacts operatingSystem;
    ScreenFacts screen;
    MemoryFacts memory;
    int batteryPercent = 0;
    // Nothing when the inventory of security products could not be read.
    std::optional<SecurityProducts> security;
};

} // namespace vespera
