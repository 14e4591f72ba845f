#pragma once

// The program's hook library as the test sees it: the same loaded copy the watch binds, so a test can
// write records to the registered receiver or stop the library behind the watch's back.
#include "platform/WatchRecord.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <dlfcn.h>
#include <sys/ioctl.h>
#include <unistd.h>

inline const QString HookFolder = QStringLiteral(VESPERA_PROGRAM).section('/', 0, -2);

template <typename Function> Function* hookEntry(const char* name) {
    static void* library = dlopen(QFile::encodeName(HookFolder + "/vsphelper.inc").constData(), RTLD_NOW);
    return reinterpret_cast<Function*>(dlsym(library, name));
}

// Writes one record to the registered receiver and runs the event loop until the receiver has read it.
inline void deliverRecord(std::uint32_t message, std::int32_t wParam, std::int32_t lParam) {
    const int receiver = hookEntry<std::int32_t()>("GetReceiver")();
    const vespera::WatchRecord record{message, wParam, lParam};
    [[maybe_unused]] const ssize_t written = write(receiver, &record, sizeof record);
    QElapsedTimer clock;
    clock.start();
    for (int waiting = 1; waiting > 0 && clock.elapsed() < 1000 && ioctl(receiver, FIONREAD, &waiting) == 0;)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();
}
