#pragma once

#include "update/StreamValue.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace vespera {

// Reads the binary component stream ("TPF0", class and object name, properties each with a type byte,
// child objects). Every length is checked against the bytes that are left, nesting is bounded, and a
// damaged stream raises ComponentStreamError instead of reading past its end.
class ComponentStreamReader {
public:
    explicit ComponentStreamReader(QByteArray bytes);

    // The root object after the signature.
    StreamObject readRootObject();

private:
    StreamObject readObject(int depth);
    std::vector<StreamProperty> readProperties(int depth);
    StreamValue readValue(int depth);
    StreamValue readValueOfType(std::uint8_t type, int depth);
    StreamValue readCollection(int depth);
    StreamValue readList(int depth);
    StreamValue readSet();

    QString readShortString();
    QString readLongString();
    QString readWideString();
    std::int64_t readSigned(int size);
    std::uint8_t readByte();
    std::uint8_t peekByte() const;
    QByteArray take(std::int64_t count);
    [[noreturn]] void fail(const QString& what) const;

    QByteArray bytes_;
    qsizetype pos_ = 0;
};

} // namespace vespera
