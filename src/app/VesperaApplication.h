#pragma once

#include <QApplication>

namespace vespera {

// The application object: an exception that escapes an event handler on the user-interface thread is
// shown in the crash report window instead of ending the program.
class VesperaApplication : public QApplication {
    Q_OBJECT
public:
    VesperaApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace vespera
