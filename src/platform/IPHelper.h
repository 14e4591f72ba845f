#pragma once

#include "platform/TMIBIfArray.h"

#include <memory>

namespace vespera {

// The system's interface table.
class IPHelper {
public:
    virtual ~IPHelper() = default;
    // Fills `table` with a copy of every row of the system's interface table, in the order the system
    // returns them (unsorted). Leaves it empty when the table cannot be read, is malformed or has no
    // rows. Whatever `table` held before is dropped.
    virtual void ReadInterfaceTable(TMIBIfArray& table) = 0;
};

// The interface table of this system.
std::unique_ptr<IPHelper> createIPHelper();

} // namespace vespera
