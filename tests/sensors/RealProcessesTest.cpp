// The process watch against this system's /proc, with a busy and an idle child process of its own.
#include <gtest/gtest.h>

#include "platform/ProcessSource.h"
#include "sensors/ProcessCondition.h"
#include "sensors/ProcessLoad.h"
#include "sensors/ProcessManager.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

using namespace vespera;

namespace {

// A child process that is killed and reaped on every way out of the test.
struct Child {
    QProcess process;
    explicit Child(const QString& program, const QStringList& arguments = {}) {
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(program, arguments);
        process.waitForStarted();
    }
    ~Child() {
        process.kill();
        process.waitForFinished();
    }
};

} // namespace

TEST(RealProcessesTest, BusyChildWorksIdleChildDoesNotAndAnEndedChildIsGone) {
    // Copies under names no other process has, so that tests running beside this one do not count.
    const QTemporaryDir folder;
    const QString busyPath = folder.path() + QStringLiteral("/busy-child");
    const QString idlePath = folder.path() + QStringLiteral("/idle-child");
    ASSERT_TRUE(QFile::copy(QStringLiteral("/usr/bin/yes"), busyPath));
    ASSERT_TRUE(QFile::copy(QStringLiteral("/usr/bin/sleep"), idlePath));
    auto busy = std::make_unique<Child>(busyPath);
    const Child idle(idlePath, {QStringLiteral("60")});
    const std::unique_ptr<ProcessSource> source = createProcessSource();
    std::uint32_t newest = 0;
    ASSERT_TRUE(source->newestId(newest) && newest >= static_cast<std::uint32_t>(idle.process.processId()));
    TProcessManager manager(*source);
    ProcessCondition condition(manager);
    condition.watch(true, busyPath);
    EXPECT_TRUE(condition.busy(busyPath, 100, false)); // running, not measured yet
    QThread::msleep(1100);
    manager.SampleProcessTimes();
    const auto busyId = static_cast<std::uint32_t>(busy->process.processId());
    EXPECT_GE(manager.GetProcessUsage(busyId), 5);
    EXPECT_LE(manager.GetProcessUsage(static_cast<std::uint32_t>(idle.process.processId())), 2);
    EXPECT_TRUE(condition.busy(busyPath, 5, false));
    EXPECT_FALSE(condition.busy(idlePath, 5, true));
    EXPECT_EQ(condition.unmeasured(), ProcessCondition::Unmeasured::None);

    busy.reset();
    manager.SampleProcessTimes();
    EXPECT_FALSE(condition.busy(busyPath, 1, false));
    EXPECT_EQ(manager.GetProcessUsage(busyId), 0);
}
