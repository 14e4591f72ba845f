// The floor of tools/footprint: an empty Qt window with one label that a one-second timer updates,
// the least a Qt program that shows something each second costs. With --hidden it never shows.
// With --proc-walk it shows nothing and reads every /proc/PID/stat once a second instead.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTimer>

#include <cstring>

namespace {

void readEveryProcessOnce() {
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : pids) {
        QFile stat(QStringLiteral("/proc/") + pid + QStringLiteral("/stat"));
        if (stat.open(QIODevice::ReadOnly))
            stat.readAll();
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const bool hidden = argc > 1 && std::strcmp(argv[1], "--hidden") == 0;
    const bool procWalk = argc > 1 && std::strcmp(argv[1], "--proc-walk") == 0;
    QApplication app(argc, argv);
    QLabel label;
    int seconds = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (procWalk)
            readEveryProcessOnce();
        else
            label.setText(QString::number(++seconds));
    });
    timer.start(1000);
    if (!hidden && !procWalk)
        label.show();
    return app.exec();
}
