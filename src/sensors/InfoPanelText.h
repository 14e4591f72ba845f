#pragma once

#include "sensors/SystemFacts.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace vespera {

class TextSource;

// The text of the main window's information panel and the height its group box takes.
struct InfoPanelText {
    QString text; // lines separated by CR LF
    // The group box's new height in pixels at 96 dpi; nothing keeps the current one.
    std::optional<int> groupHeight;
};

// The processor's model name without "(R)", "(TM)" and "CPU" (ignoring case), with every pair of
// blanks taken out left to right (an odd run keeps one) and trimmed.
QString cleanProcessorName(QString model);

// The system's product name without the word "Windows" (ignoring case), trimmed.
QString cleanOperatingSystemName(QString productName);

// Bytes to MB: divided by 1024 and rounded to the nearest (ties to even), twice.
std::uint64_t roundedMegabytes(std::uint64_t bytes);

// The system summary: eight lines, nine with a battery. The keyed texts come from `texts` in its
// active language; without an inventory of security products the product names, the bitness and the
// battery stay empty and the group box keeps its height.
InfoPanelText systemSummary(const SystemFacts& facts, const TextSource& texts);

// The watched program's state: its file name, the load threshold (shown as 100 when above) and its
// current load, each line ending in CR LF.
QString processStatusText(const QString& programPath, int threshold, int load, const TextSource& texts);

} // namespace vespera
