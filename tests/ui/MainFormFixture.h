#pragma once

// A main window with real sensors, a dry-run power backend and a settings folder of its own.
#include <gtest/gtest.h>

#include "settings/SettingsStore.h"
#include "engine/DryRunPowerBackend.h"
#include "engine/PowerActions.h"
#include "dialogs/fCountdown.h"
#include "platform/Autostart.h"
#include "platform/CpuCounterSource.h"
#include "platform/DesktopTools.h"
#include "platform/IPHelper.h"
#include "platform/PhysicalKeyState.h"
#include "platform/Launcher.h"
#include "platform/ProcessSource.h"
#include "platform/WindowSource.h"
#include "platform/SystemInformation.h"
#include "sensors/CpuLoadSampling.h"
#include "sensors/CpuSampler.h"
#include "sensors/NetworkMeter.h"
#include "sensors/ProcessManager.h"
#include "ui/TMainForm.h"
#include "ui/TSplashScreen.h"
#include "ui/Unit2.h"
#include "support/LineCapture.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <sstream>

namespace vespera {

// Esc as a test holds it down or lets it go.
class ScriptedKeys : public PhysicalKeyState {
public:
    bool available() const override { return true; }
    bool escapeDown() override { return escape; }
    bool escape = false;
};

// The dry run with answers a test may change: a refused power-off, hibernation, and whether the system
// would carry out an action.
class ScriptedPowerBackend : public DryRunPowerBackend {
public:
    using DryRunPowerBackend::DryRunPowerBackend;
    PowerResult powerOff() override { return refusal.ok ? DryRunPowerBackend::powerOff() : refusal; }
    bool canHibernate() override { return hibernation; }
    QString canRequest(PowerRequest) override { return readiness; }
    PowerResult refusal;
    bool hibernation = true;
    QString readiness = QStringLiteral("yes");
};

class MainFormFixture : public ::testing::Test {
protected:
    QTemporaryDir root;
    SettingsStore store{SettingsStore::settingsFolder(root.path())};
    TSplashScreen host{ProductIdentity{}, 1};
    Autostart autostart{root.path() + "/config"};
    CpuSampler cpuSampler{createCpuCounterSource()};
    CpuLoadSampling cpuSampling{cpuSampler};
    std::unique_ptr<IPHelper> interfaces = createIPHelper();
    NetworkMeter networkMeter{*interfaces};
    std::ostringstream powerLog;
    ScriptedPowerBackend powerBackend{linesInto(powerLog)};
    PowerActions power{powerBackend, linesInto(powerLog)};
    // The quick links look for the desktop's tools in a folder of the test's own.
    QString toolFolder = root.path() + "/bin";
    DesktopTools desktopTools{toolEnvironment(toolFolder)};
    ScriptedKeys keys;
    PhysicalKeyState* keyState = &keys; // a test may read the real keyboard instead
    std::unique_ptr<Launcher> launcher = createLauncher();
    std::unique_ptr<ProcessSource> processes = createProcessSource();
    TProcessManager processManager{*processes};
    std::unique_ptr<WindowSource> windows = createWindowSource();
    std::unique_ptr<SystemInformation> systemInformation = createSystemInformation();
    TAboutForm aboutBox{ProductIdentity{"Vespera", "1.2.3"}, desktopTools, host.dispatcher()};
    QString programFile = "/opt/my apps/vespera";
    std::unique_ptr<TMainForm> form;
    // The online update the window is given, if any, and its update folder address.
    TOnlineUpdate* onlineUpdate = nullptr;
    QString updateAddress;
    const WatchPlatform* watchPlatform = nullptr;
    IdleTimeSource* idleTime = nullptr;
    DesktopNotifications* notifications = nullptr;

    static QProcessEnvironment toolEnvironment(const QString& folder) {
        QProcessEnvironment env;
        env.insert("PATH", folder);
        env.insert("XDG_CURRENT_DESKTOP", "GNOME");
        return env;
    }

    void writeSettings(const QByteArray& body) {
        ASSERT_TRUE(store.ensureFolder());
        QFile file(store.filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\r\n" + body);
    }

    void open() {
        MainFormContext context;
        context.productTitle = "Vespera";
        context.versionText = "1.2.3";
        context.store = &store;
        context.autostart = &autostart;
        context.cpuSampling = &cpuSampling;
        context.networkMeter = &networkMeter;
        context.power = &power;
        context.desktopTools = &desktopTools;
        context.launcher = launcher.get();
        context.programFile = programFile;
        context.dispatcher = &host.dispatcher();
        context.messageBoxes = &host.messageBoxes();
        context.keys = keyState;
        context.onlineUpdate = onlineUpdate;
        context.updateAddress = updateAddress;
        context.watchPlatform = watchPlatform;
        context.idleTime = idleTime;
        context.notifications = notifications;
        context.processManager = &processManager;
        context.processes = processes.get();
        context.windows = windows.get();
        context.systemInformation = systemInformation.get();
        context.aboutBox = [this]() -> QDialog& { return aboutBox; };
        form = std::make_unique<TMainForm>(context);
    }

    // Writes the settings, opens the window and shows it.
    void openShown(const QByteArray& body) {
        writeSettings(body);
        open();
        form->show();
    }

    // Answers the modal box the next event round opens, as a user would close it.
    static void closeNextModalBox() {
        QTimer::singleShot(0, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
    }

    // The text of the message box that `action` opens, closed at once; empty when none opens.
    static QString messageOf(const std::function<void()>& action) {
        QString told;
        QTimer::singleShot(0, [&told] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                told = box->text();
                box->close();
            }
        });
        action();
        return told;
    }

    // Lets `work` use the modal dialog that `show` opens, and closes it if `work` left it open.
    template <typename D = QDialog>
    static void useModal(const std::function<void()>& show, const std::function<void(D&)>& work) {
        QTimer::singleShot(0, [&work] {
            auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            work(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        show();
    }

    // Puts a desktop tool on the window's path that writes its arguments into "<name>.args" beside it.
    void fakeTool(const QString& name) {
        ASSERT_TRUE(QDir().mkpath(toolFolder));
        QFile tool(toolFolder + "/" + name);
        ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
        tool.write("#!/bin/sh\necho \"$@\" > \"$0.args\"\n");
        tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // What the fake tool was started with; empty when it was not started within five seconds.
    QString toolArguments(const QString& name) const {
        QFile file(toolFolder + "/" + name + ".args");
        for (int i = 0; i < 250 && file.size() == 0; ++i)
            QThread::msleep(20);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll().trimmed()) : QString();
    }

    template <typename W> W* child(const char* name) const {
        W* w = form->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    Settings saved() const { return store.load(1); }

    // The window armed on a processor that is always quiet enough, with a period in seconds.
    void openArmed(int period) {
        openShown("fproz=1\r\nproz_taskbar=100\r\narmed=1\r\ntime=" + QByteArray::number(period) + "\r\n");
        sampleTwice();
    }

    // Runs the monitoring tick as its timer does.
    void tick(int times = 1) {
        for (int i = 0; i < times; ++i)
            QMetaObject::invokeMethod(child<QTimer>("Timer2"), "timeout", Qt::DirectConnection);
    }

    static TCountDownForm* countdown() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<TCountDownForm*>(window))
                return found;
        return nullptr;
    }

    // Runs each sampling timer twice, so the processor and network conditions have a measured second.
    void sampleTwice() {
        for (int i = 0; i < 2; ++i)
            QMetaObject::invokeMethod(child<QTimer>("Timer1"), "timeout", Qt::DirectConnection);
    }
};

} // namespace vespera
