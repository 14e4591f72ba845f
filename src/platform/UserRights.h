#pragma once

namespace vespera {

// Whether the user may install software: the superuser, or a member of the administrators' group
// ("sudo", "wheel" or "admin"). A question the system cannot answer counts as no.
bool isAdministrator();

} // namespace vespera
