#pragma once

#include "platform/Launcher.h"

namespace vespera {

// Programs start through QProcess, detached, so that they live on when this program ends; the wait
// watches the started process through a pidfd. Documents and addresses open through
// QDesktopServices, which hands them to xdg-open. The default browser is the desktop entry that
// "xdg-settings get default-web-browser" names.
class DesktopLauncher : public Launcher {
public:
    bool Execute(const QString& directory, const QString& file, const QStringList& arguments) override;
    bool ExecuteAndWait(const QString& directory, const QString& file, const QStringList& arguments) override;
    bool OpenDocument(const QString& target) override;
    bool OpenInBrowser(const QString& argument) override;
};

} // namespace vespera
