#pragma once

#include "platform/SystemInformation.h"

#include <QString>

#include <optional>

namespace vespera {

// The security products at work on a Linux machine, found without privileges and without starting
// any program, below the root folder `root` ("/" on a running system):
// - antivirus: a known scanner's daemon among the running processes ("proc/<pid>/comm");
// - firewall: ufw enabled in "etc/ufw/ufw.conf", a running firewalld, or the nftables service enabled
//   with a ruleset in "etc/nftables.conf" that drops or rejects something (the loaded ruleset itself
//   can only be read with privileges).
// The first product of each kind in that order is taken. Nothing when the process list cannot be read.
std::optional<SecurityProducts> scanSecurityProducts(const QString& root);

} // namespace vespera
