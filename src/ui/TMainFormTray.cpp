// The notification-area icon, hiding to it and coming back, and the start menu toggles.
#include "ui/TMainForm.h"

#include "app/SettingsWriteError.h"
#include "platform/Autostart.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStyle>
#include <QSystemTrayIcon>

namespace vespera {

void TMainForm::setupTray() {
    tray_ = new QSystemTrayIcon(this);
    tray_->setObjectName(QStringLiteral("TrayIcon1"));
    tray_->setIcon(QApplication::style()->standardIcon(QStyle::SP_ComputerIcon));
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

void TMainForm::toggleStartMinimized() {
    const bool on = !settings_.startminimized;
    settings_.startminimized = on;
    startMinimizedAction_->setChecked(on);
    trayStartMinimizedAction_->setChecked(on);
    SaveSettings();
}

void TMainForm::toggleAutostart() {
    const bool on = !settings_.startwithwindows;
    settings_.startwithwindows = on;
    startWithSystemAction_->setChecked(on);
    trayStartWithSystemAction_->setChecked(on);
    SaveSettings();
    try {
        if (on)
            context_.autostart->addAutostartEntry(context_.programFile);
        else
            context_.autostart->removeAutostartEntry();
    } catch (const SettingsWriteError& error) {
        Q_EMIT settingsWriteFailed(error.message());
    }
}

} // namespace vespera
