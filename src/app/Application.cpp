#include "app/Application.h"

#include "app/CommandLine.h"
#include "app/CrashReportWindow.h"
#include "app/ProductIdentity.h"
#include "settings/SettingsStore.h"
#include "l10n/StartupLanguage.h"
#include "app/VesperaApplication.h"
#include "engine/DryRunPowerBackend.h"
#include "engine/PowerActions.h"
#include "platform/Autostart.h"
#include "platform/CpuCounterSource.h"
#include "platform/DesktopNotifications.h"
#include "platform/DesktopTools.h"
#include "platform/IPHelper.h"
#include "platform/IdleTimeSource.h"
#include "platform/InstanceLock.h"
#include "platform/PhysicalKeyState.h"
#include "platform/Launcher.h"
#include "platform/PowerSystem.h"
#include "platform/ProcessEnd.h"
#include "platform/RemoteControl.h"
#include "platform/ProcessSource.h"
#include "platform/ProgramStartWatch.h"
#include "platform/ResumeWatcher.h"
#include "platform/TerminationSignals.h"
#include "platform/UserFolders.h"
#include "platform/UserRights.h"
#include "platform/WatchReceiver.h"
#include "platform/WindowSource.h"
#include "ui/TMainForm.h"
#include "sensors/CpuLoadSampling.h"
#include "sensors/CpuSampler.h"
#include "sensors/NetworkMeter.h"
#include "sensors/ProcessManager.h"
#include "ui/TSplashScreen.h"
#include "update/TOnlineUpdate.h"
#include "ui/Unit2.h"
#include "platform/SystemInformation.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QProcessEnvironment>

#include <cstdio>
#include <memory>
#include <optional>

namespace vespera {

namespace {

// A line in one write, whole among the output of the programs beside this one. The program writes with
// the C library's streams: the C++ ones would set up their locales, which keeps a third of a megabyte of
// the C++ library resident all day.
void writeLine(std::FILE* stream, const QString& line) {
    const QByteArray bytes = line.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

void writeError(const QString& line) {
    writeLine(stderr, line);
}

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
    writeError(text);
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

// A later start with an option: the running copy makes the change, or tells its status. The status is
// printed with exit code 0 when armed and 3 when not.
int answerFromRunningCopy(const CommandLine& command, const std::optional<RemoteStatus>& status) {
    if (!status) {
        writeError(
            QStringLiteral("Vespera läuft, antwortet aber nicht. / Vespera is running but does not answer."));
        return command.command == RemoteCommand::Status ? 3 : 1;
    }
    if (command.command != RemoteCommand::Status)
        return 0;
    writeLine(stdout, status->armed ? QStringLiteral("Aktiviert / armed")
                                    : QStringLiteral("Nicht aktiviert / not armed"));
    if (!status->statusLine.isEmpty())
        writeLine(stdout, status->statusLine);
    if (!status->lastResetLine.isEmpty())
        writeLine(stdout, status->lastResetLine);
    return status->armed ? 0 : 3;
}

// A question, or a change for a copy that runs: the running copy answers, or the status says that none
// runs (exit code 3).
int answerWithoutWindow(const CommandLine& command, const InstanceLock& lock) {
    if (lock.state() != InstanceLock::State::Acquired) {
        const std::optional<RemoteStatus> status = sendToRunningCopy(command);
        if (status || lock.state() == InstanceLock::State::HeldElsewhere)
            return answerFromRunningCopy(command, status);
    }
    writeError(QStringLiteral("Vespera läuft nicht. / Vespera is not running."));
    return 3;
}

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return arguments;
}

// The first copy makes the change it was started with, as the running copy would for a later start.
void applyCommand(const CommandLine& command, RemoteTarget& target) {
    switch (command.command) {
    case RemoteCommand::Arm:
        target.setArmed(true);
        break;
    case RemoteCommand::Disarm:
        target.setArmed(false);
        break;
    case RemoteCommand::Action:
        target.setAction(command.actionName);
        break;
    case RemoteCommand::Period:
        target.setPeriod(command.periodSeconds);
        break;
    default:
        break;
    }
}

} // namespace

int runApplication(int argc, char* argv[]) {
    // The arguments are read before the application object, so that the help, a bad argument and a
    // question to the running copy need no display.
    const CommandLine command = parseCommandLine(withoutToolkitOptions(argumentsOf(argc, argv)));
    if (!command.error.isEmpty()) {
        writeError(command.error + QStringLiteral("\n(vespera --help)"));
        return 2;
    }
    if (command.command == RemoteCommand::Help) {
        std::fputs(qPrintable(commandLineHelp()), stdout);
        return 0;
    }
    InstanceLock lock(QStringLiteral("Vespera"));
    if (command.command == RemoteCommand::Status ||
        (command.command != RemoteCommand::None && lock.state() == InstanceLock::State::HeldElsewhere)) {
        const QCoreApplication core(argc, argv);
        return answerWithoutWindow(command, lock);
    }
    VesperaApplication app(argc, argv);
    TerminationSignals termination;
    bool terminating = false;
    const QMetaObject::Connection early = QObject::connect(
        &termination, &TerminationSignals::terminationRequested, [&terminating] { endOpenBox(terminating); });
    if (command.command != RemoteCommand::None && lock.state() == InstanceLock::State::Unavailable) {
        const std::optional<RemoteStatus> status = sendToRunningCopy(command);
        if (status)
            return answerFromRunningCopy(command, status);
    }
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
    const std::unique_ptr<ProcessSource> processes = createProcessSource();
    const std::unique_ptr<ProgramStartWatch> programStarts = createProgramStartWatch();
    TProcessManager processManager(*processes, programStarts.get());
    const std::unique_ptr<WindowSource> windows = createWindowSource();
    context.processManager = &processManager;
    context.processes = processes.get();
    context.windows = windows.get();
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    PowerSystem power = openPowerSystem(environment);
    // With VESPERA_DRY_RUN=1 nothing is performed: each action is written to standard error instead.
    if (environment.value(QStringLiteral("VESPERA_DRY_RUN")) == u"1")
        power.backend = std::make_unique<DryRunPowerBackend>(writeError);
    PowerActions actions(*power.backend, writeError);
    context.power = &actions;
    context.inhibitor = power.inhibitor.get();
    // Without a notification service nothing is shown; the watch is the same.
    const std::unique_ptr<DesktopNotifications> notifications = openDesktopNotifications();
    context.notifications = notifications.get();
    const DesktopTools desktopTools;
    context.desktopTools = &desktopTools;
    const std::unique_ptr<Launcher> launcher = createLauncher();
    context.launcher = launcher.get();
    context.store = &store;
    context.dispatcher = &host.dispatcher();
    context.messageBoxes = &host.messageBoxes();
    const std::unique_ptr<PhysicalKeyState> keys = createPhysicalKeyState();
    context.keys = keys.get();
    TOnlineUpdate onlineUpdate(folder, identity.updateKey, isAdministrator(), [] { endProcessNow(0); });
    context.onlineUpdate = &onlineUpdate;
    context.updateAddress =
        environment.value(QLatin1String(TOnlineUpdate::AddressVariable), identity.updateAddress);
    // On Wayland the hook would see only the programs under XWayland: the compositor's idle time counts.
    WatchPlatform watchPlatform;
    std::unique_ptr<IdleTimeSource> idleTime;
    if (waylandSession(environment)) {
        idleTime = openIdleTimeSource();
        context.idleTime = idleTime.get();
    } else {
        watchPlatform.loadLibrary = [folder] {
            return loadHookLibrary(folder, QStringLiteral("vsphelper.inc"));
        };
        watchPlatform.createReceiver = &createWatchReceiver;
        context.watchPlatform = &watchPlatform;
    }
    const std::unique_ptr<SystemInformation> systemInformation = createSystemInformation();
    context.systemInformation = systemInformation.get();
    // The about box is built when the main window first opens it and reused for the rest of the run.
    std::unique_ptr<TAboutForm> aboutBox;
    context.aboutBox = [&aboutBox, &identity, &desktopTools, &host]() -> QDialog& {
        if (!aboutBox)
            aboutBox = std::make_unique<TAboutForm>(identity, desktopTools, host.dispatcher());
        return *aboutBox;
    };
    TMainForm form(context);
    QObject::connect(&form, &TMainForm::settingsWriteFailed, &form, &CrashReportWindow::report);
    // A save that fails at the close is seen nowhere else: the report window ends with the program.
    QObject::connect(&form, &TMainForm::settingsWriteFailed, &form, &writeError);
    QObject::connect(power.resumeWatcher.get(), &ResumeWatcher::suspending, &form,
                     &TMainForm::PrepareForSleep);
    QObject::connect(power.resumeWatcher.get(), &ResumeWatcher::resumed, &form, &TMainForm::DoRestart);

    QObject::disconnect(early);
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &form, &QWidget::close);
    QString remoteProblem;
    const std::unique_ptr<QObject> remote = offerRemoteControl(form.remoteTarget(), remoteProblem);
    if (!remote)
        writeError(QStringLiteral("Fernsteuerung nicht verfügbar / remote control unavailable: ") +
                   remoteProblem);
    form.start();
    applyCommand(command, form.remoteTarget());
    if (terminating) {
        form.close();
        return 0;
    }
    const std::unique_ptr<QMessageBox> lockNotice = noticeWithoutLock(lock);
    return app.exec();
}

} // namespace vespera
