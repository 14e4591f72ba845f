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

// Minimised from the menu or at start, only the icon shows; its settings item brings the window back.
TEST_F(TMainFormTrayTest, MinimisedTheIconStandsInAndSettingsBringsTheWindowBack) {
    ASSERT_TRUE(QSystemTrayIcon::isSystemTrayAvailable());
    for (const bool atStart : {false, true}) {
        SCOPED_TRACE(atStart);
        writeSettings(atStart ? "fproz=1\r\nstartminimized=1\r\n" : "fproz=1\r\nstartminimized=0\r\n");
        open();
        form->start();
        EXPECT_NE(form->isVisible(), atStart);
        EXPECT_EQ(tray()->isVisible(), atStart);
        EXPECT_EQ(child<QAction>("MiniStart1")->isChecked(), atStart);

        if (!atStart)
            child<QAction>("Minimieren1")->trigger();
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(tray()->isVisible());

        child<QAction>("TrayEinstellungen1")->trigger();
        EXPECT_TRUE(form->isVisible());
        EXPECT_FALSE(form->isMinimized());
        EXPECT_FALSE(tray()->isVisible());
        form.reset();
    }
}
