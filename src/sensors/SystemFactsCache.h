#pragma once

#include "sensors/SystemFacts.h"

#include <chrono>
#include <functional>
#include <optional>

namespace vespera {

// Keeps the information panel cheap: what cannot change while the
// program runs (processor, operating system) is read once, what can (memory, battery) at most once every
// few seconds, and the security products, which look at every process and seldom change, once a minute.
// The screen is not read here: the window knows it.
class SystemFactsCache {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr std::chrono::seconds RereadAfter{5};
    static constexpr std::chrono::seconds SecurityRereadAfter{60};

    explicit SystemFactsCache(SystemInformation& source, Clock clock = {});

    // The facts, read or re-read as due.
    const SystemFacts& facts();
    // Goes up with every call of facts() that read something: an unchanged revision means unchanged facts.
    int revision() const { return revision_; }

private:
    SystemInformation& source_;
    Clock clock_;
    SystemFacts facts_;
    bool constantsRead_ = false;
    int revision_ = 0;
    std::optional<std::chrono::steady_clock::time_point> changingReadAt_;
    std::optional<std::chrono::steady_clock::time_point> securityReadAt_;
};

} // namespace vespera
