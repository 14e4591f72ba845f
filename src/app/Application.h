#pragma once

namespace vespera {

// The life of the process: the one-copy guard, the windows in their order, the event loop, the
// orderly end. Returns the process exit code.
int runApplication(int argc, char* argv[]);

} // namespace vespera
