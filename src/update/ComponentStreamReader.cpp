#include "update/ComponentStreamReader.h"

#include "settings/Cp1252.h"
#include "update/ComponentStreamError.h"

#include <utility>

namespace vespera {

namespace {

// The type bytes. 20 is a UTF-8 string for every writer; 21 and 22 are the Unicode string and the
// unsigned 64-bit integer of the Free Pascal writer.
enum ValueType : std::uint8_t {
    vaNull,
    vaList,
    vaInt8,
    vaInt16,
    vaInt32,
    vaExtended,
    vaString,
    vaIdent,
    vaFalse,
    vaTrue,
    vaBinary,
    vaSet,
    vaLString,
    vaNil,
    vaCollection,
    vaSingle,
    vaCurrency,
    vaDate,
    vaWString,
    vaInt64,
    vaUTF8String,
    vaUString,
    vaQWord
};

// Deep enough for any real file, shallow enough that a crafted one cannot exhaust the stack.
constexpr int MaxDepth = 32;

// Filer flags in the high nibble of a byte before an object's class name.
constexpr std::uint8_t FlagMarker = 0xF0;
constexpr std::uint8_t ChildPositionFlag = 0x02;

StreamValue integerValue(std::int64_t value) {
    StreamValue v;
    v.kind = StreamValue::Kind::Integer;
    v.integer = value;
    return v;
}

StreamValue textValue(StreamValue::Kind kind, QString text) {
    StreamValue v;
    v.kind = kind;
    v.text = std::move(text);
    return v;
}

StreamValue booleanValue(bool value) {
    StreamValue v;
    v.kind = StreamValue::Kind::Boolean;
    v.boolean = value;
    return v;
}

} // namespace

ComponentStreamReader::ComponentStreamReader(QByteArray bytes) : bytes_(std::move(bytes)) {}

StreamObject ComponentStreamReader::readRootObject() {
    if (!bytes_.startsWith("TPF0"))
        fail(QStringLiteral("the signature \"TPF0\" is missing"));
    pos_ = 4;
    return readObject(0);
}

StreamObject ComponentStreamReader::readObject(int depth) {
    if (depth > MaxDepth)
        fail(QStringLiteral("objects are nested too deeply"));
    if ((peekByte() & FlagMarker) == FlagMarker) {
        const std::uint8_t flags = readByte() & 0x0F;
        if (flags & ChildPositionFlag && readValue(depth + 1).kind != StreamValue::Kind::Integer)
            fail(QStringLiteral("the child position is not a number"));
    }
    StreamObject object;
    object.className = readShortString();
    object.objectName = readShortString();
    object.properties = readProperties(depth + 1);
    while (peekByte() != vaNull)
        readObject(depth + 1);
    readByte();
    return object;
}

std::vector<StreamProperty> ComponentStreamReader::readProperties(int depth) {
    std::vector<StreamProperty> properties;
    for (QString name = readShortString(); !name.isEmpty(); name = readShortString())
        properties.push_back({name, readValue(depth)});
    return properties;
}

StreamValue ComponentStreamReader::readValue(int depth) {
    if (depth > MaxDepth)
        fail(QStringLiteral("values are nested too deeply"));
    return readValueOfType(readByte(), depth);
}

StreamValue ComponentStreamReader::readValueOfType(std::uint8_t type, int depth) {
    switch (type) {
    case vaNull:
        return {};
    case vaList:
        return readList(depth);
    case vaInt8:
        return integerValue(readSigned(1));
    case vaInt16:
        return integerValue(readSigned(2));
    case vaInt32:
        return integerValue(readSigned(4));
    case vaInt64:
    case vaQWord:
        return integerValue(readSigned(8));
    case vaString:
        return textValue(StreamValue::Kind::Text, readShortString());
    case vaLString:
    case vaUTF8String:
        return textValue(StreamValue::Kind::Text, readLongString());
    case vaWString:
    case vaUString:
        return textValue(StreamValue::Kind::Text, readWideString());
    case vaIdent:
        return textValue(StreamValue::Kind::Identifier, readShortString());
    case vaFalse:
    case vaTrue:
        return booleanValue(type == vaTrue);
    case vaSet:
        return readSet();
    case vaCollection:
        return readCollection(depth);
    case vaNil: {
        StreamValue v;
        v.kind = StreamValue::Kind::Nil;
        return v;
    }
    case vaBinary: {
        StreamValue v;
        v.kind = StreamValue::Kind::Binary;
        v.binary = take(readSigned(4));
        return v;
    }
    case vaExtended:
    case vaSingle:
    case vaCurrency:
    case vaDate: {
        take(type == vaExtended ? 10 : type == vaSingle ? 4 : 8);
        StreamValue v;
        v.kind = StreamValue::Kind::Float;
        return v;
    }
    default:
        fail(QStringLiteral("unknown value type %1").arg(type));
    }
}

StreamValue ComponentStreamReader::readCollection(int depth) {
    StreamValue v;
    v.kind = StreamValue::Kind::Collection;
    while (peekByte() != vaNull) {
        const std::uint8_t type = readByte();
        if (type == vaInt8 || type == vaInt16 || type == vaInt32) {
            readSigned(type == vaInt8 ? 1 : type == vaInt16 ? 2 : 4);
            if (readByte() != vaList)
                fail(QStringLiteral("a collection item does not start a list"));
        } else if (type != vaList) {
            fail(QStringLiteral("a collection item does not start a list"));
        }
        v.items.push_back(readProperties(depth + 1));
    }
    readByte();
    return v;
}

StreamValue ComponentStreamReader::readList(int depth) {
    StreamValue v;
    v.kind = StreamValue::Kind::List;
    while (peekByte() != vaNull)
        v.values.push_back(readValue(depth + 1));
    readByte();
    return v;
}

StreamValue ComponentStreamReader::readSet() {
    StreamValue v;
    v.kind = StreamValue::Kind::Set;
    for (QString member = readShortString(); !member.isEmpty(); member = readShortString())
        v.members << member;
    return v;
}

QString ComponentStreamReader::readShortString() {
    return decodeUtf8OrCp1252(take(readByte()));
}

QString ComponentStreamReader::readLongString() {
    return decodeUtf8OrCp1252(take(readSigned(4)));
}

QString ComponentStreamReader::readWideString() {
    const std::int64_t count = readSigned(4);
    if (count < 0 || count > (bytes_.size() - pos_) / 2)
        fail(QStringLiteral("a length runs past the end"));
    const QByteArray units = take(count * 2);
    QString text(count, Qt::Uninitialized);
    for (qsizetype i = 0; i < count; ++i)
        text[i] = QChar(static_cast<char16_t>(static_cast<std::uint8_t>(units[2 * i]) |
                                              static_cast<std::uint8_t>(units[2 * i + 1]) << 8));
    return text;
}

std::int64_t ComponentStreamReader::readSigned(int size) {
    const QByteArray raw = take(size);
    std::uint64_t bits = 0;
    for (int i = size - 1; i >= 0; --i)
        bits = bits << 8 | static_cast<std::uint8_t>(raw[i]);
    // Sign-extends a short value: shifts are arithmetic and conversions modular since C++20.
    const int unused = 64 - 8 * size;
    return static_cast<std::int64_t>(bits << unused) >> unused;
}

std::uint8_t ComponentStreamReader::readByte() {
    if (pos_ >= bytes_.size())
        fail(QStringLiteral("the stream ends too early"));
    return static_cast<std::uint8_t>(take(1)[0]);
}

std::uint8_t ComponentStreamReader::peekByte() const {
    if (pos_ >= bytes_.size())
        fail(QStringLiteral("a list is not closed before the end"));
    return static_cast<std::uint8_t>(bytes_[pos_]);
}

QByteArray ComponentStreamReader::take(std::int64_t count) {
    if (count < 0 || count > bytes_.size() - pos_)
        fail(QStringLiteral("a length runs past the end"));
    const QByteArray part = bytes_.mid(pos_, count);
    pos_ += count;
    return part;
}

void ComponentStreamReader::fail(const QString& what) const {
    throw ComponentStreamError(
        QStringLiteral("Damaged update information at byte %1: %2").arg(pos_).arg(what));
}

} // namespace vespera
