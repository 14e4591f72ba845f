#pragma once

#include <QByteArray>
#include <QString>
#include <QList>

#include <optional>

namespace vespera {

// An INI document read and written the way the Windows private-profile functions do it:
// - section and key names are compared ignoring ASCII case;
// - only the first section of a name counts, and in it the first key of a name;
// - names and values are trimmed; a line "key=value" is split at its first "="; a carriage return inside
//   a value reads as a blank, the way it is written;
// - lines starting with ";" or "#" are comments;
// - writing replaces the first matching key line, or adds the key after the last line of its section
//   (adding the section at the end when it is missing); every other line stays as it was, in its place.
// Each line is read as UTF-8 when its bytes are valid UTF-8, else as Windows-1252, so one line written
// by another program never changes how the others read; byte-order marks at the start are dropped. A
// line the program has not written is written back with the bytes it was read with; a written line is
// UTF-8.
// Every line ends with the line end the file had (that of its first line); a document without line
// ends gets "\n". Carriage returns before a line feed belong to the line end.
class IniFile {
public:
    IniFile() = default;
    static IniFile fromBytes(const QByteArray& bytes);
    QByteArray toBytes() const;

    // The trimmed value of a key, or nothing when the section or the key is missing.
    std::optional<QString> value(QStringView section, QStringView key) const;

    QString readString(QStringView section, QStringView key, const QString& defaultValue) const;
    int readInt(QStringView section, QStringView key, int defaultValue) const;
    // An integer: non-zero is true; text that is no number gives the default.
    bool readBool(QStringView section, QStringView key, bool defaultValue) const;

    // Line breaks in the value become blanks, so a value never spills into a line of its own.
    void writeValue(QStringView section, QStringView key, const QString& value);
    void writeInt(QStringView section, QStringView key, int value);
    void writeBool(QStringView section, QStringView key, bool value);

    // An integer as a stored value: optional sign, then decimal digits, or hexadecimal digits after
    // "0x", "0X" or "$". Blanks around it are allowed; anything else, or a value outside int, is not.
    static std::optional<int> parseInt(QStringView text);

private:
    struct Range {
        qsizetype begin; // first line after the section header
        qsizetype end;   // the next section header, or the end of the document
    };

    std::optional<Range> findSection(QStringView section) const;
    std::optional<qsizetype> findKey(const Range& range, QStringView key) const;
    qsizetype appendSection(QStringView section);

    struct Line {
        QString text;
        std::optional<QByteArray> original; // the bytes read, kept while the program leaves the line
    };

    QList<Line> lines_;
    QByteArray lineEnd_ = "\n";
};

} // namespace vespera
