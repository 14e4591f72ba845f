#pragma once

#include <QByteArray>

#include <charconv>
#include <cstdint>
#include <string>

namespace vespera {

// "ROOT/ID/ENTRY" written into `path`, which is kept between calls so that a steady caller allocates
// nothing; the text stays valid until the next call.
inline const char* procEntryPath(std::string& path, const QByteArray& root, std::uint32_t id,
                                 const char* entry) {
    char number[16];
    const auto stop = std::to_chars(number, number + sizeof number, id).ptr;
    path.assign(root.constData(), static_cast<std::size_t>(root.size()));
    path += '/';
    path.append(number, stop);
    path += '/';
    path += entry;
    return path.c_str();
}

} // namespace vespera
