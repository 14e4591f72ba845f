#pragma once

#include "platform/linux/ProcFile.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vespera {

// The "PID/stat" files below the proc folder. A process read again soon after (a watched program is read
// every second) keeps its file open, which spares the path walk and the opening at each reading; one
// read once (a new process that runs something else) is only noted. At most Capacity files stay open:
// the one read least recently closes first, and one whose process ended (its reading fails) at once. An
// open file belongs to its process, not to the id: once the process has ended it reads nothing, even
// when a new process has the same id.
class ProcStatFiles {
public:
    static constexpr std::size_t Capacity = 8;

    explicit ProcStatFiles(QByteArray root);

    // The text of the process's "stat", valid until the next call; nothing when it cannot be read.
    std::optional<std::string_view> read(std::uint32_t id);

private:
    struct Kept {
        std::uint32_t id;
        std::uint64_t lastRead;
        ProcFile file;
    };

    const char* pathOf(std::uint32_t id);
    std::optional<std::string_view> readOnce(std::uint32_t id);

    QByteArray root_;
    std::vector<Kept> kept_;
    std::array<std::uint32_t, 64> noted_{}; // the ids read once lately, round
    std::size_t nextNote_ = 0;
    std::uint64_t readings_ = 0;
    std::string path_;                // retained, so a reading allocates nothing
    std::array<char, 1024> buffer_{}; // a reading once
};

} // namespace vespera
