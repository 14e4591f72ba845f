#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace vespera {

struct StreamProperty;

// One property value of a component stream, whatever type byte the writer chose for it.
struct StreamValue {
    enum class Kind { Null, Integer, Boolean, Text, Identifier, Collection, Set, Binary, Float, Nil, List };

    Kind kind = Kind::Null;
    // Integer: the value as written; an unsigned 64-bit value keeps its bits.
    std::int64_t integer = 0;
    bool boolean = false;
    // Text and Identifier.
    QString text;
    // Collection: the items, each its own properties.
    std::vector<std::vector<StreamProperty>> items;
    // List: the values in order.
    std::vector<StreamValue> values;
    // Set: the names of the members.
    QStringList members;
    QByteArray binary;
};

struct StreamProperty {
    QString name;
    StreamValue value;
};

// An object of a component stream: its class and name and the properties that differ from their
// defaults. Child objects are read and left out.
struct StreamObject {
    QString className;
    QString objectName;
    std::vector<StreamProperty> properties;
};

} // namespace vespera
