#pragma once

#include <QString>

#include <functional>

namespace vespera {

// Takes one line of text, given without its line end; the program writes such lines to standard error.
using LineWriter = std::function<void(const QString& line)>;

} // namespace vespera
