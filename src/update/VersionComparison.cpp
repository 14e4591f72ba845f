#include "update/VersionComparison.h"

#include <QStringList>

#include <array>

namespace vespera {

namespace {

std::array<QString, 4> fourParts(const QString& version) {
    QString rest = version + u'.';
    std::array<QString, 4> parts;
    for (QString& part : parts) {
        const qsizetype dot = rest.indexOf(u'.');
        part = dot < 0 ? QString() : rest.left(dot);
        if (part.isEmpty())
            part = QStringLiteral("0");
        rest = dot < 0 ? QString() : rest.mid(dot + 1);
    }
    return parts;
}

// Negative when a is less, positive when greater.
int comparePart(const QString& a, const QString& b) {
    bool aIsNumber = false;
    bool bIsNumber = false;
    const qlonglong x = a.toLongLong(&aIsNumber, 10);
    const qlonglong y = b.toLongLong(&bIsNumber, 10);
    if (aIsNumber && bIsNumber)
        return x < y ? -1 : x > y ? 1 : 0;
    return a.toLower().compare(b.toLower());
}

} // namespace

QString comparableVersion(const QString& versionText) {
    return versionText.trimmed().remove(QStringLiteral("Version "), Qt::CaseInsensitive);
}

bool isNewerVersion(const QString& installed, const QString& offered) {
    const auto mine = fourParts(installed);
    const auto theirs = fourParts(offered);
    for (std::size_t i = 0; i < mine.size(); ++i) {
        if (const int order = comparePart(theirs[i], mine[i]); order != 0)
            return order > 0;
    }
    return false;
}

} // namespace vespera
