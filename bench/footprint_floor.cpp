// The floor of tools/footprint: an empty Qt window with one label that a one-second timer updates,
// the least a Qt program that shows something each second costs. With --hidden it never shows.
// With --proc-walk it shows nothing and reads every /proc/PID/stat once a second instead.
// With --readings PID it stays hidden and also reads, once a second, the files the processor, network
// and process conditions need: /proc/stat, /proc/net/dev, /proc/loadavg and /proc/PID/stat, each kept
// open and read again from its start, the cheapest way there is to read them.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTimer>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

void readEveryProcessOnce() {
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : pids) {
        QFile stat(QStringLiteral("/proc/") + pid + QStringLiteral("/stat"));
        if (stat.open(QIODevice::ReadOnly))
            stat.readAll();
    }
}

void readWhole(int fd) {
    std::array<char, 16384> buffer;
    off_t offset = 0;
    for (ssize_t got; (got = ::pread(fd, buffer.data(), buffer.size(), offset)) > 0;)
        offset += got;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool hidden = argc > 1 && std::strcmp(argv[1], "--hidden") == 0;
    const bool procWalk = argc > 1 && std::strcmp(argv[1], "--proc-walk") == 0;
    std::vector<int> readings;
    if (argc > 2 && std::strcmp(argv[1], "--readings") == 0) {
        const std::string watched = std::string("/proc/") + argv[2] + "/stat";
        for (const char* path : {"/proc/stat", "/proc/net/dev", "/proc/loadavg", watched.c_str()})
            readings.push_back(::open(path, O_RDONLY | O_CLOEXEC));
    }
    QApplication app(argc, argv);
    QLabel label;
    int seconds = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (procWalk)
            readEveryProcessOnce();
        else
            label.setText(QString::number(++seconds));
        for (const int fd : readings)
            readWhole(fd);
    });
    timer.start(1000);
    if (!hidden && !procWalk && readings.empty())
        label.show();
    return app.exec();
}
