#pragma once

namespace vespera {

// Ends the own process at once with the exit code: no event loop, no destructors, nothing saved.
[[noreturn]] void endProcessNow(int exitCode);

} // namespace vespera
