// The full-screen countdown as the main window's tick drives it, offscreen.
#include "MainFormFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWindow>

#include <functional>

using namespace vespera;
using TMainFormCountdownTest = MainFormFixture;

TEST_F(TMainFormCountdownTest, TheTickShowsNumbersAndClosesTheWindow) {
    struct Case {
        const char* name;
        int period, ticks;
        const char* box; // a check box the user toggles after the first ticks
        int ticksAfter;
        bool showing;
        const char* numeral;
    };
    const Case cases[] = {
        {"a period of 10 s starts at 9", 10, 1, nullptr, 0, true, "9"},
        {"Sofort never shows it; the firing sets 0", 0, 3, nullptr, 0, false, "0"},
        {"a reset at 4 closes it on the next tick", 300, 296, "NetCheckBox", 1, false, "4"},
        {"unticked while showing, it stays up to the firing", 10, 1, "FullScreenchk", 9, true, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openArmed(c.period);
        tick(c.ticks);
        if (c.box)
            child<QCheckBox>(c.box)->toggle();
        tick(c.ticksAfter);
        EXPECT_EQ(countdown()->isShowing(), c.showing);
        EXPECT_EQ(countdown()->numeral(), c.numeral);
        EXPECT_EQ(countdown()->findChild<QTimer*>("EscapePoll")->isActive(), c.showing);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        EXPECT_EQ(countdown()->windowHandle() != nullptr, c.showing) << "a closed one keeps no window";
    }
}

TEST_F(TMainFormCountdownTest, EveryAbortDisarmsAndStoresTheWatchDisarmed) {
    const auto click = [](const char* name) {
        return [name](TCountDownForm& w) { QTest::mouseClick(w.findChild<QWidget*>(name), Qt::LeftButton); };
    };
    const std::pair<const char*, std::function<void(TCountDownForm&)>> aborts[] = {
        {"Esc held while another program has the focus",
         [this](TCountDownForm& w) {
             keys.escape = true;
             QMetaObject::invokeMethod(w.findChild<QTimer*>("EscapePoll"), "timeout");
         }},
        {"Esc released in the window", [](TCountDownForm& w) { QTest::keyRelease(&w, Qt::Key_Escape); }},
        {"the Cancel button", click("AdvGlassButton1")},
        {"a click on the numeral", click("Label1")},
    };
    for (const auto& [name, abort] : aborts) {
        SCOPED_TRACE(name);
        keys.escape = false;
        openArmed(10);
        tick();
        ASSERT_TRUE(countdown()->isShowing());
        abort(*countdown());
        EXPECT_FALSE(countdown()->isShowing());
        EXPECT_FALSE(saved().armed);
        EXPECT_FALSE(child<QTimer>("Timer2")->isActive());
        EXPECT_EQ(child<QLabel>("StatusLine")->text(), "");
        EXPECT_EQ(child<QSystemTrayIcon>("TrayIcon1")->toolTip(), "");
    }
}
