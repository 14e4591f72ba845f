#include "update/FormatText.h"

#include <QLocale>
#include <QRegularExpression>

namespace vespera {

namespace {

QString formatOne(QChar kind, int precision, const QVariant& value) {
    if (kind == u's')
        return value.toString();
    if (kind == u'd')
        return QStringLiteral("%1").arg(value.toLongLong(), precision, 10, QChar(u'0'));
    return QLocale().toString(value.toDouble(), 'f', precision < 0 ? 2 : precision);
}

} // namespace

QString formatText(const QString& pattern, const QVariantList& arguments) {
    static const QRegularExpression directive(QStringLiteral("%(?:%|(?:\\.(\\d))?([sdn]))"));
    QString out;
    qsizetype from = 0;
    qsizetype next = 0;
    for (auto it = directive.globalMatch(pattern); it.hasNext();) {
        const auto m = it.next();
        out += pattern.mid(from, m.capturedStart() - from);
        from = m.capturedEnd();
        if (m.captured(2).isEmpty()) {
            out += u'%';
            continue;
        }
        const int precision = m.captured(1).isEmpty() ? -1 : m.captured(1).toInt();
        const QString kind = m.captured(2);
        out +=
            formatOne(kind.at(0), kind == u"n" ? precision : std::max(precision, 0), arguments.value(next++));
    }
    return out + pattern.mid(from);
}

} // namespace vespera
