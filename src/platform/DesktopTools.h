#pragma once

#include <QProcessEnvironment>

namespace vespera {

// The desktop's own tools that the main window's quick links open. Each opener starts the first
// suitable tool that is installed, does not wait for it, and returns whether one was started, so that
// the caller can tell the user when there is none. Finding the tool may take a moment (on KDE it asks
// the settings shell which modules it has), so callers show a busy cursor meanwhile.
class DesktopTools {
public:
    // environment: where the tools are looked for and which desktop is running (on Linux: PATH and
    // XDG_CURRENT_DESKTOP). The tools themselves inherit the program's own environment.
    explicit DesktopTools(QProcessEnvironment environment = QProcessEnvironment::systemEnvironment());

    // The tool that starts programs at set times.
    bool openSchedulingTool() const;

    // The power settings, where standby, hibernation and the power button are configured.
    bool openPowerSettings() const;

    // Opens a file or an address with the user's default handler (xdg-open).
    bool openDocument(const QString& fileOrAddress) const;

private:
    QProcessEnvironment environment_;
};

} // namespace vespera
