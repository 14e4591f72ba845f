#include "app/Application.h"

#include "app/CrashReportWindow.h"
#include "app/ProductIdentity.h"
#include "settings/SettingsStore.h"
#include "l10n/StartupLanguage.h"
#include "app/VesperaApplication.h"
#include "engine/DryRunPowerBackend.h"
#include "engine/PowerActions.h"
#include "platform/Autostart.h"
#include "platform/CpuCounterSource.h"
#include "platform/DesktopTools.h"
#include "platform/IPHelper.h"
#include "platform/InstanceLock.h"
#include "platform/PhysicalKeyState.h"
#include "platform/PowerSystem.h"
#include "platform/ProcessEnd.h"
#include "platform/ResumeWatcher.h"
#include "platform/TerminationSignals.h"
#include "platform/UserFolders.h"
#include "platform/UserRights.h"
#include "ui/TMainForm.h"
#include "sensors/CpuLoadSampling.h"
#include "sensors/CpuSampler.h"
#include "sensors/NetworkMeter.h"
#include "ui/TSplashScreen.h"
#include "update/TOnlineUpdate.h"
#include "ui/Unit2.h"
#include "platform/SystemInformation.h"

#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QProcessEnvironment>

#include <iostream>
#include <memory>
#include <optional>

namespace vespera {

namespace {

// The language of this run, from the settings file or, on a first start, the marker file.
int languageOfThisRun(const SettingsStore& store, const QString& folder) {
    const bool exists = store.exists();
    const std::optional<int> stored = exists ? std::optional<int>(store.load(1).Language) : std::nullopt;
    return startupLanguage(1, exists, stored, languageMarkerExists(folder));
}

// Without its lock the program still runs; the user learns why a second copy would not be noticed.
// The text stands in both languages, like the crash report's: the lock comes before the language.
std::unique_ptr<QMessageBox> noticeWithoutLock(const InstanceLock& lock) {
    if (lock.state() != InstanceLock::State::Unavailable)
        return nullptr;
    const QString text =
        QStringLiteral("Vespera kann seine Sperrdatei nicht anlegen und läuft ohne sie: ein zweiter Start "
                       "wird nicht erkannt.\nVespera cannot create its lock file and runs without it: a "
                       "second start is not detected.\n\n%1")
            .arg(lock.problem());
    std::cerr << qPrintable(text) << std::endl;
    auto notice = std::make_unique<QMessageBox>(QMessageBox::Warning, QStringLiteral("Vespera"), text);
    notice->setWindowModality(Qt::NonModal);
    notice->show();
    notice->raise();
    return notice;
}

// A termination before the main window can take it ends the box that is open, so the start-up goes on
// to the window, which then closes in order.
void endOpenBox(bool& terminating) {
    terminating = true;
    if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        box->reject();
}

} // namespace

int runApplication(int argc, char* argv[]) {
    VesperaApplication app(argc, argv);
    TerminationSignals termination;
    bool terminating = false;
    const QMetaObject::Connection early = QObject::connect(
        &termination, &TerminationSignals::terminationRequested, [&terminating] { endOpenBox(terminating); });
    InstanceLock lock(QStringLiteral("Vespera"));
    if (lock.state() == InstanceLock::State::HeldElsewhere) {
        QMessageBox::information(nullptr, QString(), QStringLiteral("Vespera ist bereits gestartet!"));
        return 0;
    }

    const QString folder = programFolder();
    SettingsStore store(SettingsStore::settingsFolder(configFolder()));
    ProductIdentity identity;
    identity.version = readVersionText(QDir(folder).filePath(QStringLiteral("ver.ini")));
    TSplashScreen host(identity, languageOfThisRun(store, folder));

    MainFormContext context;
    context.productTitle = identity.title;
    context.versionText = identity.version;
    context.programFile = programFile();
    const Autostart autostart(configFolder());
    context.autostart = &autostart;
    CpuSampler cpuSampler(createCpuCounterSource());
    CpuLoadSampling cpuSampling(cpuSampler);
    context.cpuSampling = &cpuSampling;
    const std::unique_ptr<IPHelper> interfaces = createIPHelper();
    NetworkMeter networkMeter(*interfaces);
    context.networkMeter = &networkMeter;
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    PowerSystem power = openPowerSystem(environment);
    // With VESPERA_DRY_RUN=1 nothing is performed: each action is written to standard error instead.
    if (environment.value(QStringLiteral("VESPERA_DRY_RUN")) == u"1")
        power.backend = std::make_unique<DryRunPowerBackend>(std::cerr);
    PowerActions actions(*power.backend, std::cerr);
    context.power = &actions;
    context.inhibitor = power.inhibitor.get();
    const DesktopTools desktopTools;
    context.desktopTools = &desktopTools;
    context.store = &store;
    context.dispatcher = &host.dispatcher();
    context.messageBoxes = &host.messageBoxes();
    const std::unique_ptr<PhysicalKeyState> keys = createPhysicalKeyState();
    context.keys = keys.get();
    TOnlineUpdate onlineUpdate(folder, isAdministrator(), [] { endProcessNow(0); });
    context.onlineUpdate = &onlineUpdate;
    context.updateAddress =
        environment.value(QLatin1String(TOnlineUpdate::AddressVariable), identity.updateAddress);
    const std::unique_ptr<SystemInformation> systemInformation = createSystemInformation();
    context.systemInformation = systemInformation.get();
    // The about box is reused for the whole run; the main window opens it.
    TAboutForm aboutBox(identity, desktopTools, host.dispatcher());
    context.aboutBox = &aboutBox;
    TMainForm form(context);
    QObject::connect(&form, &TMainForm::settingsWriteFailed, &form, &CrashReportWindow::report);
    // A save that fails at the close is seen nowhere else: the report window ends with the program.
    QObject::connect(&form, &TMainForm::settingsWriteFailed, &form,
                     [](const QString& message) { std::cerr << qPrintable(message) << std::endl; });
    QObject::connect(power.resumeWatcher.get(), &ResumeWatcher::suspending, &form,
                     &TMainForm::PrepareForSleep);
    QObject::connect(power.resumeWatcher.get(), &ResumeWatcher::resumed, &form, &TMainForm::DoRestart);

    QObject::disconnect(early);
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &form, &QWidget::close);
    form.start();
    if (terminating) {
        form.close();
        return 0;
    }
    const std::unique_ptr<QMessageBox> lockNotice = noticeWithoutLock(lock);
    return app.exec();
}

} // namespace vespera
