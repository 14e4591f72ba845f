#pragma once

#include <QDialog>

namespace vespera {

// Reports a failure the program could not handle where it happened: what went wrong, in the words of
// the part that failed. The program goes on after it is closed.
class CrashReportWindow : public QDialog {
    Q_OBJECT
public:
    explicit CrashReportWindow(const QString& details, QWidget* parent = nullptr);

    // Shows the report for a failure; while one report is open, later ones are added to it.
    static void report(const QString& details);
};

} // namespace vespera
