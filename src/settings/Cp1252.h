#pragma once

#include <QByteArray>
#include <QString>

namespace vespera {

// Windows-1252, the 8-bit code page of files written on Windows. Bytes 0x80-0x9F carry their cp1252
// meaning (0x80 is the euro sign); the five bytes cp1252 leaves undefined map to the C1 controls.
QString decodeCp1252(const QByteArray& bytes);

// Text as UTF-8 when the bytes are valid UTF-8, else as Windows-1252. A UTF-8 byte-order mark is dropped.
QString decodeUtf8OrCp1252(const QByteArray& bytes);

} // namespace vespera
