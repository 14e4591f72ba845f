#pragma once

#include <QString>

namespace vespera {

// The tables and the program's texts break lines with CR LF, or a lone CR; Qt breaks them at LF.
inline QString displayText(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

} // namespace vespera
