#pragma once

#include "engine/LineWriter.h"

#include <sstream>

// A line writer that appends each line, with its line end, to `text`.
inline vespera::LineWriter linesInto(std::ostringstream& text) {
    return [&text](const QString& line) { text << line.toStdString() << '\n'; };
}
