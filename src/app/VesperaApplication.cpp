#include "app/VesperaApplication.h"

#include "app/CrashReportWindow.h"
#include "ui/FormFont.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgramStyle.h"

#include <QFont>
#include <QPixmapCache>

#include <exception>

namespace vespera {

VesperaApplication::VesperaApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Vespera"));
    setOrganizationName(QStringLiteral("ORBELAN"));
    setQuitOnLastWindowClosed(false);
    setWindowIcon(programIcon());
    // A line edit lays out its empty text in the application's font while it is made, before it takes
    // its window's; with the windows' families here that loads no second font.
    QFont font = QApplication::font();
    font.setFamilies(formFontFamilies());
    setFont(font);
    setStyle(new ProgramStyle(style()->name()));
    // The style keeps no pictures of buttons, boxes and sliders: it draws them again when they change or
    // come into view, which is seldom, where keeping them would hold a quarter of a megabyte all day. The
    // gauges that change each second keep their own.
    QPixmapCache::setCacheLimit(0);
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
