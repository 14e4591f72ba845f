#include "sensors/SystemFactsCache.h"

#include <utility>

namespace vespera {

SystemFactsCache::SystemFactsCache(SystemInformation& source, Clock clock)
    : source_(source), clock_(clock ? std::move(clock) : Clock(&std::chrono::steady_clock::now)) {}

const SystemFacts& SystemFactsCache::facts() {
    const int before = revision_;
    if (!constantsRead_) {
        facts_.processor = source_.processor();
        facts_.operatingSystem = source_.operatingSystem();
        constantsRead_ = true;
        revision_ = before + 1;
    }
    const auto now = clock_();
    if (!changingReadAt_ || now - *changingReadAt_ >= RereadAfter) {
        facts_.memory = source_.memory();
        facts_.batteryPercent = source_.batteryPercent();
        changingReadAt_ = now;
        revision_ = before + 1;
    }
    if (!securityReadAt_ || now - *securityReadAt_ >= SecurityRereadAfter) {
        facts_.security = source_.securityProducts();
        securityReadAt_ = now;
        revision_ = before + 1;
    }
    return facts_;
}

} // namespace vespera
