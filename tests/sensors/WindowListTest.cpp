// The program list from a real X display with a window manager: this test's own windows.
#include <gtest/gtest.h>

#include "platform/ProcessSource.h"
#include "platform/WindowSource.h"
#include "sensors/WindowList.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QTest>
#include <QWidget>

using namespace vespera;

TEST(WindowListTest, ProgramWindowsShowWithTheirPathAndToolWindowsDoNot) {
    QWidget first;
    first.setWindowTitle(QStringLiteral("Erstes Fenster"));
    QWidget second;
    second.setWindowTitle(QStringLiteral("Zweites Fenster ü"));
    QWidget tool(&first, Qt::Tool);
    tool.setWindowTitle(QStringLiteral("Werkzeug"));
    for (QWidget* w : {&first, &second, &tool}) {
        w->resize(200, 100);
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    }
    const QString path = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    const auto windows = createWindowSource();
    const auto processes = createProcessSource();
    QStringList list;
    const QDeadlineTimer deadline(10000);
    while (list.size() < 2 && !deadline.hasExpired()) {
        QTest::qWait(50);
        ListProgramWindows(list, *windows, *processes);
    }
    EXPECT_TRUE(list.contains(QStringLiteral("Erstes Fenster -> ") + path)) << list.join('\n').toStdString();
    EXPECT_TRUE(list.contains(QStringLiteral("Zweites Fenster ü -> ") + path));
    EXPECT_FALSE(list.join('\n').contains(QStringLiteral("Werkzeug")));
}
