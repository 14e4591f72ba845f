#include <gtest/gtest.h>

#include "LogindMock.h"
#include "platform/linux/LogindResumeWatcher.h"

#include <QCoreApplication>
#include <QSignalSpy>

using namespace vespera;
using vespera::test::LogindMock;

namespace {

TEST(LogindResumeWatcher, ReportsAResumeWhenSleepEndsAndNotWhenItBegins) {
    LogindMock mock;
    ASSERT_TRUE(mock.usable()) << mock.whyNot().toStdString();
    LogindResumeWatcher watcher(mock.bus());
    ASSERT_TRUE(watcher.listening());
    QSignalSpy resumed(&watcher, &ResumeWatcher::resumed);
    QSignalSpy suspending(&watcher, &ResumeWatcher::suspending);

    // The mock sends the signal before its reply, so it is queued once the call returns.
    mock.emitManagerSignal(QStringLiteral("PrepareForSleep"), QStringLiteral("b"), {true});
    EXPECT_TRUE(suspending.wait(5000));
    EXPECT_EQ(resumed.count(), 0);

    mock.emitManagerSignal(QStringLiteral("PrepareForSleep"), QStringLiteral("b"), {false});
    EXPECT_TRUE(resumed.wait(5000));
    QCoreApplication::processEvents();
    EXPECT_EQ(resumed.count(), 1);
}

} // namespace
