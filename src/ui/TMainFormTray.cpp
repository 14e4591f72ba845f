// The notification-area icon, hiding to it and coming back, and the start menu toggles.
#include "ui/TMainForm.h"

#include "app/SettingsWriteError.h"
#include "app/StandardMessageBox.h"
#include "platform/Autostart.h"
#include "platform/DesktopTools.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMessageBox>
#include <QSystemTrayIcon>

namespace vespera {

void TMainForm::setupTray() {
    tray_ = new QSystemTrayIcon(this);
    tray_->setObjectName(QStringLiteral("TrayIcon1"));
    tray_->setIcon(QApplication::windowIcon());
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("TrayMenu"));
    trayStartWithSystemAction_ =
        menu->addAction(QStringLiteral("mit Windows Starten"), this, &TMainForm::toggleAutostart);
    trayStartWithSystemAction_->setObjectName(QStringLiteral("TrayWindowsStart1"));
    trayStartMinimizedAction_ =
        menu->addAction(QStringLiteral("minimiert starten"), this, &TMainForm::toggleStartMinimized);
    trayStartMinimizedAction_->setObjectName(QStringLiteral("TrayMiniStart1"));
    QAction* settings = menu->addAction(QStringLiteral("Einstellungen"), this, &TMainForm::showFromTray);
    settings->setObjectName(QStringLiteral("TrayEinstellungen1"));
    QAction* about = menu->addAction(QStringLiteral("Über"));
    about->setObjectName(QStringLiteral("TrayUeber1"));
    about->setEnabled(false);
    QAction* quit = menu->addAction(QStringLiteral("Exit"), this, &QWidget::close);
    quit->setObjectName(QStringLiteral("TrayExit1"));
    trayStartWithSystemAction_->setCheckable(true);
    trayStartMinimizedAction_->setCheckable(true);
    tray_->setContextMenu(menu);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick)
            showFromTray();
    });
}

void TMainForm::start() {
    if (!settings_.startminimized) {
        show();
        return;
    }
    loading_ = false;
    if (firstStart_)
        SaveToIni();
    hideToTray();
}

// Where the desktop has no notification area, hiding would leave the window beyond reach: it then stays
// minimised on the task bar.
void TMainForm::hideToTray() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        showMinimized();
        return;
    }
    hide();
    tray_->show();
}

void TMainForm::showFromTray() {
    showNormal();
    tray_->hide();
    raise();
    activateWindow();
}

// The start toggles stand in the main menu and in the tray menu; both items carry the one check mark.
bool TMainForm::toggleStartItem(bool& setting, QAction* menuItem, QAction* trayItem) {
    setting = !setting;
    menuItem->setChecked(setting);
    trayItem->setChecked(setting);
    SaveSettings();
    return setting;
}

void TMainForm::toggleStartMinimized() {
    toggleStartItem(settings_.startminimized, startMinimizedAction_, trayStartMinimizedAction_);
}

void TMainForm::toggleAutostart() {
    const bool on =
        toggleStartItem(settings_.startwithwindows, startWithSystemAction_, trayStartWithSystemAction_);
    try {
        if (on)
            context_.autostart->addAutostartEntry(context_.programFile);
        else
            context_.autostart->removeAutostartEntry();
    } catch (const SettingsWriteError& error) {
        Q_EMIT settingsWriteFailed(error.message());
    }
}

// The desktop's scheduling tool or power settings, with the hourglass while it is looked for; when the
// desktop has none, the user is told so instead of nothing happening.
void TMainForm::openQuickLink(bool (DesktopTools::*open)() const, const char* notFoundKey) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool started = (context_.desktopTools->*open)();
    QApplication::restoreOverrideCursor();
    if (!started)
        context_.messageBoxes->show(this, QMessageBox::Information, text(notFoundKey));
}

} // namespace vespera
