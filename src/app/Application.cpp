#include "app/Application.h"

#include "app/BuiltinTexts.h"
#include "app/CrashReportWindow.h"
#include "app/ProductIdentity.h"
#include "app/SettingsStore.h"
#include "app/VesperaApplication.h"
#include "platform/Autostart.h"
#include "platform/InstanceLock.h"
#include "platform/TerminationSignals.h"
#include "platform/UserFolders.h"
#include "ui/TMainForm.h"
#include "ui/TSplashScreen.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>

namespace vespera {

namespace {

// The language of this run: the settings file's, else English when the marker file lies in the program
// folder, else German.
int startupLanguage(const SettingsStore& store, const QString& folder) {
    if (store.exists())
        return store.load(1).Language == 2 ? 2 : 1;
    return QFile::exists(QDir(folder).filePath(QStringLiteral("Language_EN.ini"))) ? 2 : 1;
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
    TSplashScreen host(identity, startupLanguage(store, folder));
    const BuiltinTexts texts(host.language());

    MainFormContext context;
    context.productTitle = identity.title;
    context.versionText = identity.version;
    context.programFolder = folder;
    context.programFile = programFile();
    const Autostart autostart(configFolder());
    context.autostart = &autostart;
    context.store = &store;
    context.texts = &texts;
    context.language = host.language();
    TMainForm form(context);
    QObject::connect(&form, &TMainForm::settingsWriteFailed, &form, &CrashReportWindow::report);

    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &form, &QWidget::close);
    form.start();
    return app.exec();
}

} // namespace vespera
