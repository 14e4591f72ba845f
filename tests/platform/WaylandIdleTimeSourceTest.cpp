// The compositor's idle notification from a small Wayland server of the test's own, told when to send
// the idle and resume events.
#include <gtest/gtest.h>

#include "platform/IdleTimeSource.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>

namespace vespera {
namespace {

constexpr std::int64_t Gone = -1;

TEST(WaylandIdleTimeSourceTest, IdleTimeGrowsFromTheIdleEventAndInputOrALostCompositorEndsIt) {
    // Steps: i / r the server sends idled / resumed, ? a reading, w a wait of 300 ms, s the server
    // stops, k it ends. Readings: 0, the minimum reached, or Gone.
    struct Row {
        const char* steps;
        std::vector<std::int64_t> readings;
    } rows[] = {
        {"?", {0}},                     // a new notification: input within the last second
        {"i?w?", {1000, 1300}},         // idle since the event plus the second before it
        {"i?ri?", {1000, 0}},           // input between two readings, even when idle again since
        {"i?r?", {1000, 0}},            // input now
        {"i?k?", {1000, Gone}},         // the compositor ended
        {"i?s?w?", {1000, 1000, Gone}}, // it stopped answering
    };
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("WAYLAND_DISPLAY", "vespera-test-0");
    for (const Row& row : rows) {
        QProcess server;
        server.start(VESPERA_IDLE_NOTIFY_SERVER, {"vespera-test-0"});
        ASSERT_TRUE(server.waitForReadyRead(5000));
        server.readAll();
        const std::unique_ptr<IdleTimeSource> source = openIdleTimeSource();
        ASSERT_NE(source, nullptr);
        EXPECT_EQ(source->name(), "ext_idle_notifier_v1");
        std::vector<std::int64_t> readings;
        for (const char step : std::string_view(row.steps)) {
            if (step == 'i' || step == 'r') {
                server.write(step == 'i' ? "idle\n" : "resume\n");
                ASSERT_TRUE(server.waitForReadyRead(5000));
                server.readAll();
            } else if (step == '?') {
                const auto idle = source->idleMilliseconds();
                readings.push_back(idle ? std::int64_t(*idle) : Gone);
                QThread::msleep(50); // the compositor's answer to the reading
            } else if (step == 'w') {
                QThread::msleep(300);
            } else if (step == 's') {
                kill(pid_t(server.processId()), SIGSTOP);
            } else if (step == 'k') {
                server.kill();
                server.waitForFinished();
            }
        }
        ASSERT_EQ(readings.size(), row.readings.size()) << row.steps;
        for (std::size_t i = 0; i < readings.size(); ++i) {
            EXPECT_GE(readings[i], row.readings[i]) << row.steps << " " << i;
            EXPECT_LT(readings[i], row.readings[i] <= 0 ? row.readings[i] + 1 : row.readings[i] + 250)
                << row.steps << " " << i;
        }
        kill(pid_t(server.processId()), SIGCONT);
        server.kill();
        server.waitForFinished();
    }
}

} // namespace
} // namespace vespera
