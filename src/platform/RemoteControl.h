#pragma once

#include "app/CommandLine.h"
#include "platform/RemoteTarget.h"

#include <QObject>

#include <memory>
#include <optional>

namespace vespera {

// Offers the target to later starts of the same user on the session bus. Without a session bus, or when
// the name is taken, nothing is offered: the result is null and the problem says why.
std::unique_ptr<QObject> offerRemoteControl(RemoteTarget& target, QString& problem);

// Sends a command to the running copy and returns its status afterwards; nothing when no copy answers.
std::optional<RemoteStatus> sendToRunningCopy(const CommandLine& command);

} // namespace vespera
