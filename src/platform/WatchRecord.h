#pragma once

#include <cstdint>
#include <string_view>

namespace vespera {

// One message of the input hook library to its receiver, written whole into the receiver's pipe. The
// library and the program share nothing but this layout and the message ids below.
struct WatchRecord {
    std::uint32_t message = 0;
    std::int32_t wParam = 0;
    std::int32_t lParam = 0;
};
static_assert(sizeof(WatchRecord) == 12);

// The id of a named watch message: the same name gives the same id in every process, within the range
// of registered messages (0xC000 to 0xFFFF), so neither side needs the other to agree on a table.
constexpr std::uint32_t registerWatchMessage(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return 0xC000u + hash % 0x4000u;
}

inline constexpr std::string_view WatchShellEvent = "WATCH_SHELL_EVENT";
inline constexpr std::string_view WatchKeyEvent = "WATCH_KEY_EVENT";
inline constexpr std::string_view WatchMouseEvent = "WATCH_MOUSE_EVENT";

// The two kinds of watch the library offers.
inline constexpr std::int32_t WatchKeyboard = 1;
inline constexpr std::int32_t WatchMouse = 2;

} // namespace vespera
