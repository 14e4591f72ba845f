#include "app/VesperaApplication.h"

#include "app/CrashReportWindow.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgramStyle.h"

#include <exception>

namespace vespera {

VesperaApplication::VesperaApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Vespera"));
    setOrganizationName(QStringLiteral("ORBELAN"));
    setQuitOnLastWindowClosed(false);
    setWindowIcon(programIcon());
    setStyle(new ProgramStyle(style()->name()));
}

bool VesperaApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        CrashReportWindow::report(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        CrashReportWindow::report(QStringLiteral("Unbekannter Fehler / Unknown error"));
    }
    return false;
}

} // namespace vespera
