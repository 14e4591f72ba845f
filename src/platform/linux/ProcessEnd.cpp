#include "platform/ProcessEnd.h"

#include <unistd.h>

namespace vespera {

void endProcessNow(int exitCode) {
    _exit(exitCode);
}

} // namespace vespera
