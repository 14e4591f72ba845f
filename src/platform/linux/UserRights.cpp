#include "platform/UserRights.h"

#include <grp.h>
#include <unistd.h>

#include <vector>

namespace vespera {

bool isAdministrator() {
    if (geteuid() == 0)
        return true;
    const int count = getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int read = getgroups(count, groups.data());
    for (const char* name : {"sudo", "wheel", "admin"}) {
        const group* g = getgrnam(name);
        for (int i = 0; g && i < read; ++i) {
            if (groups[static_cast<std::size_t>(i)] == g->gr_gid)
                return true;
        }
    }
    return false;
}

} // namespace vespera
