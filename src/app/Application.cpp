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
#include "platform/PowerSystem.h"
#include "platform/ResumeWatcher.h"
#include "platform/TerminationSignals.h"
#include "platform/UserFolders.h"
#include "ui/TMainForm.h"
#include "sensors/CpuLoadSampling.h"
#include "sensors/CpuSampler.h"
#include "sensors/NetworkMeter.h"
#include "ui/TSplashScreen.h"

#include <QDir>
#include <QMessageBox>
#include <QProcessEnvironment>

#include <iostream>
#include <optional>

namespace vespera {

namespace {

// The language of this run, from the settings file or, on a first start, the marker file.
int languageOfThisRun(const SettingsStore& store, const QString& folder) {
    const bool exists = store.exists();
    const std::optional<int> stored = exists ? std::optional<int>(store.load(1).Language) : std::nullopt;
    return startupLanguage(1, exists, stored, languageMarkerExists(folder));
}

} // namespace

int runApplication(int argc, char* argv[]) {
    VesperaApplication app(argc, argv);
    InstanceLock lock(QStringLiteral("Vespera"));
    if (!lock.acquired()) {
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
    TMainForm form(context);
    QObject::connect(&form, &TMainForm::settingsWriteFailed, &form, &CrashReportWindow::report);
    QObject::connect(power.resumeWatcher.get(), &ResumeWatcher::suspending, &form,
                     &TMainForm::PrepareForSleep);
    QObject::connect(power.resumeWatcher.get(), &ResumeWatcher::resumed, &form, &TMainForm::DoRestart);

    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &form, &QWidget::close);
    form.start();
    return app.exec();
}

} // namespace vespera
