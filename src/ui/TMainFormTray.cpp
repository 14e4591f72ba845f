// The notification-area icon, hiding to it and coming back, and the start menu toggles.
#include "ui/TMainForm.h"

#include "settings/SettingsWriteError.h"
#include "l10n/StandardMessageBox.h"
#include "platform/Autostart.h"
#include "platform/DesktopTools.h"
#include "ui/MenuItem.h"

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
        addMenuItem(menu, "TrayWindowsStart1", QStringLiteral("mit Windows Starten"));
    trayStartMinimizedAction_ = addMenuItem(menu, "TrayMiniStart1", QStringLiteral("minimiert starten"));
    QAction* settings = addMenuItem(menu, "TrayEinstellungen1", QStringLiteral("Einstellungen"));
    connect(addMenuItem(menu, "TrayUeber1", QStringLiteral("Über")), &QAction::triggered, this,
            &TMainForm::showAboutBox);
    QAction* quit = addMenuItem(menu, "TrayExit1", QStringLiteral("Exit"));
    trayStartWithSystemAction_->setCheckable(true);
    trayStartMinimizedAction_->setCheckable(true);
    connect(trayStartWithSystemAction_, &QAction::triggered, this, &TMainForm::toggleAutostart);
    connect(trayStartMinimizedAction_, &QAction::triggered, this, &TMainForm::toggleStartMinimized);
    connect(settings, &QAction::triggered, this, &TMainForm::showFromTray);
    connect(quit, &QAction::triggered, this, &QWidget::close);
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
