#pragma once

#include "platform/IdleTimeSource.h"

namespace vespera {

// An idle time read with one call on the session bus, waiting half a second at most: a compositor that
// does not answer in time counts as not answering this once.
class DBusIdleTimeSource : public IdleTimeSource {
public:
    DBusIdleTimeSource(QString service, QString path, QString interface, QString method);

    std::optional<std::uint64_t> idleMilliseconds() override;
    QString name() const override { return service_; }

private:
    QString service_;
    QString path_;
    QString interface_;
    QString method_;
};

} // namespace vespera
