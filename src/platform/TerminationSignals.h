#pragma once

#include <QObject>

namespace vespera {

// Turns the system's requests to end the program (a logout or a shutdown ends programs with a
// termination signal; Ctrl+C in a terminal) into a Qt signal on the user-interface thread, so the
// program closes by its orderly path.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void terminationRequested();

private:
    void drain();
    int readEnd_ = -1;
};

} // namespace vespera
