#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QWidget;

namespace vespera {

// A window's file-open dialog with its filter in the form "description|*.a;*.b", which the window's
// translation table sets as the property Filter.
class FileOpenDialog : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString filter READ filter WRITE setFilter)
public:
    explicit FileOpenDialog(QObject* parent = nullptr);

    QString filter() const { return filter_; }
    void setFilter(const QString& filter) { filter_ = filter; }

    // Runs the dialog; the chosen file's full path, or empty when none was chosen.
    QString execute(QWidget* parent);

    // Tests answer the next dialog through this instead of a choice; it is then not shown.
    void setNextAnswer(const QString& path) { nextAnswer_ = path; }

private:
    QString filter_;
    std::optional<QString> nextAnswer_;
};

} // namespace vespera
