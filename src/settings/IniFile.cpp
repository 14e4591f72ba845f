#include "settings/IniFile.h"

#include "settings/Cp1252.h"

#include <algorithm>
#include <limits>

namespace vespera {

namespace {

char16_t foldAscii(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? static_cast<char16_t>(u + (u'a' - u'A')) : u;
}

bool equalsIgnoringAsciiCase(QStringView a, QStringView b) {
    return std::ranges::equal(a, b, [](QChar x, QChar y) { return foldAscii(x) == foldAscii(y); });
}

bool isComment(QStringView trimmed) {
    return trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

// The name of a section header line "[name]", trimmed.
std::optional<QStringView> sectionName(QStringView line) {
    const QStringView trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return trimmed.sliced(1, close - 1).trimmed();
}

// The name of a key line "name=value", trimmed; nothing for headers, comments and other lines.
std::optional<QStringView> keyName(QStringView line) {
    const QStringView trimmed = line.trimmed();
    if (isComment(trimmed) || sectionName(trimmed))
        return std::nullopt;
    const qsizetype equals = trimmed.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    return trimmed.first(equals).trimmed();
}

// A carriage return inside the value reads as the blank it is written as, so a value survives being
// written back.
QString keyValue(QStringView line) {
    const QStringView trimmed = line.trimmed();
    return trimmed.sliced(trimmed.indexOf(u'=') + 1).trimmed().toString().replace(u'\r', u' ');
}

int digitValue(QChar c, int base) {
    const char16_t u = foldAscii(c);
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (base == 16 && u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

// Strips a hexadecimal prefix and tells the base of what is left.
int takeBase(QStringView& digits) {
    if (digits.startsWith(u"0x", Qt::CaseInsensitive)) {
        digits = digits.sliced(2);
        return 16;
    }
    if (digits.startsWith(u'$')) {
        digits = digits.sliced(1);
        return 16;
    }
    return 10;
}

QString singleLine(const QString& value) {
    QString line = value;
    line.replace(u'\r', u' ').replace(u'\n', u' ');
    return line;
}

} // namespace

IniFile IniFile::fromBytes(const QByteArray& bytes) {
    IniFile ini;
    QByteArrayView rest(bytes);
    while (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    const qsizetype firstBreak = rest.indexOf('\n');
    if (firstBreak > 0 && rest.at(firstBreak - 1) == '\r')
        ini.lineEnd_ = "\r\n";
    if (rest.isEmpty())
        return ini;
    if (rest.endsWith('\n'))
        rest.chop(1);
    for (;;) {
        const qsizetype end = rest.indexOf('\n');
        QByteArrayView line = end < 0 ? rest : rest.first(end);
        while (line.endsWith('\r'))
            line.chop(1);
        const QByteArray original = line.toByteArray();
        ini.lines_.append(Line{decodeUtf8OrCp1252(original), original});
        if (end < 0)
            return ini;
        rest = rest.sliced(end + 1);
    }
}

QByteArray IniFile::toBytes() const {
    QByteArray bytes;
    for (const Line& line : lines_)
        bytes += line.original.value_or(line.text.toUtf8()) + lineEnd_;
    return bytes;
}

std::optional<QString> IniFile::value(QStringView section, QStringView key) const {
    const std::optional<Range> range = findSection(section);
    if (!range)
        return std::nullopt;
    const std::optional<qsizetype> line = findKey(*range, key);
    if (!line)
        return std::nullopt;
    return keyValue(lines_[*line].text);
}

QString IniFile::readString(QStringView section, QStringView key, const QString& defaultValue) const {
    return value(section, key).value_or(defaultValue);
}

int IniFile::readInt(QStringView section, QStringView key, int defaultValue) const {
    const std::optional<QString> text = value(section, key);
    return text ? parseInt(*text).value_or(defaultValue) : defaultValue;
}

bool IniFile::readBool(QStringView section, QStringView key, bool defaultValue) const {
    return readInt(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::writeValue(QStringView section, QStringView key, const QString& value) {
    const QString text = singleLine(value);
    const std::optional<Range> range = findSection(section);
    if (!range) {
        const qsizetype at = appendSection(section);
        lines_.insert(at, Line{key.toString() + u'=' + text, std::nullopt});
        return;
    }
    if (const std::optional<qsizetype> line = findKey(*range, key)) {
        lines_[*line] = Line{keyName(lines_[*line].text)->toString() + u'=' + text, std::nullopt};
        return;
    }
    qsizetype at = range->end;
    while (at > range->begin && lines_[at - 1].text.trimmed().isEmpty())
        --at;
    lines_.insert(at, Line{key.toString() + u'=' + text, std::nullopt});
}

void IniFile::writeInt(QStringView section, QStringView key, int value) {
    writeValue(section, key, QString::number(value));
}

void IniFile::writeBool(QStringView section, QStringView key, bool value) {
    writeValue(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

std::optional<int> IniFile::parseInt(QStringView text) {
    QStringView digits = text.trimmed();
    const bool negative = digits.startsWith(u'-');
    if (negative || digits.startsWith(u'+'))
        digits = digits.sliced(1);
    const int base = takeBase(digits);
    if (digits.isEmpty())
        return std::nullopt;
    // One past the largest magnitude an int holds, so "-2147483648" still fits.
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 magnitude = 0;
    for (const QChar c : digits) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    if (!negative && magnitude == limit)
        return std::nullopt;
    return static_cast<int>(negative ? -magnitude : magnitude);
}

std::optional<IniFile::Range> IniFile::findSection(QStringView section) const {
    const qsizetype count = lines_.size();
    for (qsizetype i = 0; i < count; ++i) {
        const std::optional<QStringView> name = sectionName(lines_[i].text);
        if (!name || !equalsIgnoringAsciiCase(*name, section))
            continue;
        qsizetype end = i + 1;
        while (end < count && !sectionName(lines_[end].text))
            ++end;
        return Range{i + 1, end};
    }
    return std::nullopt;
}

std::optional<qsizetype> IniFile::findKey(const Range& range, QStringView key) const {
    for (qsizetype i = range.begin; i < range.end; ++i) {
        const std::optional<QStringView> name = keyName(lines_[i].text);
        if (name && equalsIgnoringAsciiCase(*name, key))
            return i;
    }
    return std::nullopt;
}

qsizetype IniFile::appendSection(QStringView section) {
    if (!lines_.isEmpty() && !lines_.last().text.trimmed().isEmpty())
        lines_.append(Line{QString(), std::nullopt});
    lines_.append(Line{u'[' + section.toString() + u']', std::nullopt});
    return lines_.size();
}

} // namespace vespera
