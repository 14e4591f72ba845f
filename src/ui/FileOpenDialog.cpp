#include "ui/FileOpenDialog.h"

#include <QFileDialog>

namespace vespera {

namespace {

// "description|*.a;*.b" in the toolkit's form "description (*.a *.b)".
QString toolkitFilter(const QString& filter) {
    const qsizetype bar = filter.indexOf(u'|');
    if (bar < 0)
        return filter;
    QString patterns = filter.mid(bar + 1);
    patterns.replace(u';', u' ');
    return filter.left(bar) + QStringLiteral(" (") + patterns + QStringLiteral(")");
}

} // namespace

FileOpenDialog::FileOpenDialog(QObject* parent) : QObject(parent) {}

QString FileOpenDialog::execute(QWidget* parent) {
    if (nextAnswer_) {
        const QString answer = *nextAnswer_;
        nextAnswer_.reset();
        return answer;
    }
    return QFileDialog::getOpenFileName(parent, QString(), QString(), toolkitFilter(filter_));
}

} // namespace vespera
