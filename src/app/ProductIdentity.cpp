#include "app/ProductIdentity.h"

#include "settings/Cp1252.h"

#include <QFile>

namespace vespera {

QString readVersionText(const QString& verIniPath) {
    QFile file(verIniPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray line = file.readLine(4096);
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    const QString text = decodeUtf8OrCp1252(line);
    return text.size() < 9 ? QString() : text.mid(8);
}

} // namespace vespera
