#pragma once

#include "platform/IPHelper.h"
#include "platform/linux/ProcFile.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vespera {

// The interface table from "net/dev" below the proc folder: one row per interface line, in the kernel's
// order. The description is the interface name without the column's padding; the in and out octet
// counters are the kernel's 64-bit receive and transmit byte counts cut to their low 32 bits, which
// keeps the difference of two readings right across a wrap. The type is TypeSoftwareLoopback for an
// interface the kernel marks as loopback below the sys folder ("class/net/<name>/type" 772 or the
// loopback bit in "flags"), whatever its name, else TypeOther. An interface that stays at its place
// under its name keeps the type it had in the reading before, so a steady table reads no sys files.
//
// A file that cannot be read, lacks the two heading lines, or has any line that is not a name, a
// colon and sixteen unsigned numbers gives an empty table. A steady-state reading allocates nothing:
// the file stays open and goes into a retained buffer (growing in steps of 16 KiB up to 16 MiB), the
// rows into the caller's retained table.
class ProcNetDevIPHelper : public IPHelper {
public:
    ProcNetDevIPHelper(const QString& procRoot, const QString& sysRoot);

    void ReadInterfaceTable(TMIBIfArray& table) override;

    // The size of the retained read buffer.
    std::size_t bufferSize() const { return file_.bufferSize(); }

private:
    std::uint32_t typeOf(std::string_view name) const;
    bool isLoopback(std::string_view name) const;

    ProcFile file_;
    QByteArray sysNet_;    // the folder of the interfaces' sys entries, with a trailing separator
    TMIBIfArray previous_; // the names of the last table read, with the types found (counters stale)
};

} // namespace vespera
