// The notification-area icon on a real X display with a notification area (trayer).
#include "MainFormFixture.h"

#include <QAction>
#include <QSystemTrayIcon>

using namespace vespera;

namespace {

class TMainFormTrayTest : public MainFormFixture {
protected:
    QSystemTrayIcon* tray() const { return child<QSystemTrayIcon>("TrayIcon1"); }
};

} // namespace

TEST_F(TMainFormTrayTest, MinimisingHidesToTheIconAndSettingsBringsTheWindowBack) {
    ASSERT_TRUE(QSystemTrayIcon::isSystemTrayAvailable());
    writeSettings("fproz=1\r\n");
    open();
    form->start();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(tray()->isVisible());

    child<QAction>("Minimieren1")->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(tray()->isVisible());

    child<QAction>("TrayEinstellungen1")->trigger();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isMinimized());
    EXPECT_FALSE(tray()->isVisible());
}

TEST_F(TMainFormTrayTest, StartMinimisedShowsOnlyTheIcon) {
    writeSettings("fproz=1\r\nstartminimized=1\r\n");
    open();
    form->start();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(tray()->isVisible());
    EXPECT_TRUE(child<QAction>("MiniStart1")->isChecked());
    child<QAction>("TrayEinstellungen1")->trigger();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(tray()->isVisible());
}
