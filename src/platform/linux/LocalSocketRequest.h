#pragma once

#include "app/CommandLine.h"
#include "platform/RemoteTarget.h"

#include <optional>

namespace vespera {

// Sends a command to the copy that answers on the local socket in the user's run-time folder and returns
// its status afterwards; nothing when none answers there, when the socket belongs to another user or
// when the copy refuses the command.
std::optional<RemoteStatus> askOverLocalSocket(const CommandLine& command);

} // namespace vespera
