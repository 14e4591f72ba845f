#include "sensors/InfoPanelText.h"

#include "l10n/TextSource.h"

#include <QStringList>

#include <algorithm>

namespace vespera {

namespace {

constexpr int HeightWithoutBattery = 121;
constexpr int HeightWithBattery = 137;
const QString LineBreak = QStringLiteral("\r\n");

std::uint64_t roundedKilo(std::uint64_t value) {
    const std::uint64_t quotient = value / 1024;
    const std::uint64_t remainder = value % 1024;
    if (remainder > 512 || (remainder == 512 && quotient % 2 == 1))
        return quotient + 1;
    return quotient;
}

QString number(std::uint64_t value) {
    return QString::number(value);
}

// The parts that come from the inventory of security products; all empty without one.
struct SecurityPart {
    QString antivirus;
    QString firewall;
    QString bitness;
    QString battery;
    std::optional<int> groupHeight;
};

SecurityPart securityPart(const SystemFacts& facts) {
    SecurityPart part;
    if (!facts.security)
        return part;
    const SecurityProducts& found = *facts.security;
    part.antivirus =
        found.antivirus.isEmpty() ? QStringLiteral("No supported AV products found...") : found.antivirus;
    part.firewall =
        found.firewall.isEmpty() ? QStringLiteral("No supported FW products found...") : found.firewall;
    part.bitness = facts.operatingSystem.is64Bit ? QStringLiteral(" - 64Bit") : QStringLiteral(" - 32Bit");
    if (facts.batteryPercent > 0) {
        part.battery = QStringLiteral("\r\nAkku Ladezustand: ") + number(facts.batteryPercent);
        part.groupHeight = HeightWithBattery;
    } else {
        part.groupHeight = HeightWithoutBattery;
    }
    return part;
}

} // namespace

QString cleanProcessorName(QString model) {
    for (const char* word : {"(R)", "(TM)", "CPU"})
        model.remove(QLatin1StringView(word), Qt::CaseInsensitive);
    return model.replace(QStringLiteral("  "), QString()).trimmed();
}

QString cleanOperatingSystemName(QString productName) {
    return productName.remove(QStringLiteral("Windows"), Qt::CaseInsensitive).trimmed();
}

std::uint64_t roundedMegabytes(std::uint64_t bytes) {
    return roundedKilo(roundedKilo(bytes));
}

InfoPanelText systemSummary(const SystemFacts& facts, const TextSource& texts) {
    const auto keyed = [&texts](const char* key) { return texts.lookupText(QString::fromLatin1(key)); };
    const SecurityPart security = securityPart(facts);
    const ScreenFacts& screen = facts.screen;
    const QStringList lines = {
        keyed("IDS_109") + cleanProcessorName(facts.processor.model),
        keyed("IDS_113") + number(facts.processor.logicalCount) + keyed("IDS_114") +
            number(facts.processor.clockMHz) + QStringLiteral(" MHz"),
        // The system's label is a table row, so that a platform can name itself there.
        keyed("IDS_970") + cleanOperatingSystemName(facts.operatingSystem.productName) + security.bitness,
        keyed("IDS_118") + number(screen.width) + QStringLiteral(" x ") + number(screen.height) +
            QStringLiteral(" x ") + number(screen.bitsPerPixel) + QStringLiteral(" bit"),
        QStringLiteral("Gesamtspeicher: ") + number(roundedMegabytes(facts.memory.totalBytes)) +
            QStringLiteral(" MB"),
        keyed("IDS_122") + number(roundedMegabytes(facts.memory.availableBytes)) + QStringLiteral(" MB"),
        QStringLiteral("Antivirus: ") + security.antivirus,
        QStringLiteral("Firewall: ") + security.firewall + security.battery,
    };
    return {lines.join(LineBreak), security.groupHeight};
}

QString processStatusText(const QString& programPath, int threshold, int load, const TextSource& texts) {
    const qsizetype folderEnd = std::max(programPath.lastIndexOf(u'/'), programPath.lastIndexOf(u'\\'));
    const QString fileName = programPath.mid(folderEnd + 1);
    const QString thresholdText = threshold > 100 ? QStringLiteral("100") : QString::number(threshold);
    return texts.lookupText(QStringLiteral("IDS_165")) + fileName + LineBreak +
           texts.lookupText(QStringLiteral("IDS_166")) + thresholdText + u'%' + LineBreak +
           texts.lookupText(QStringLiteral("IDS_167")) + QString::number(load) + u'%' + LineBreak;
}

} // namespace vespera
