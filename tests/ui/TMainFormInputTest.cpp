// The main window's mouse and keyboard condition with the program's hook library on a private display.
#include "MainFormFixture.h"

#include "HookEntry.h"

#include <QCheckBox>
#include <QMessageBox>

#include <map>
#include <string_view>

namespace vespera {
namespace {

class TMainFormInputTest : public MainFormFixture {
protected:
    WatchPlatform platform{
        [] { return loadHookLibrary(HookFolder, "vsphelper.inc"); }, &createWatchReceiver, {}, {}};

    void SetUp() override {
        watchPlatform = &platform;
        writeSettings("Fkey=1\r\narmed=1\r\ntime=10\r\n");
        open();
    }
};

TEST_F(TMainFormInputTest, MovesWithinFifteenPixelsAreJitterAndEveryKeyOrButtonCounts) {
    const std::uint32_t mouse = registerWatchMessage(WatchMouseEvent);
    struct Step {
        std::uint32_t message;
        int wParam, x, y;
        bool seen;
    } steps[] = {
        {mouse, 0, 10, 10, false}, // 10 on both axes from the recorded (0, 0)
        {mouse, 0, 20, 20, true},  // 20 from (0, 0): the move to (10, 10) recorded nothing
        {mouse, 0, 35, 20, false}, // exactly 15 on one axis
        {mouse, 0, 36, 20, true},
        {mouse, 0, 36, 35, false},
        {mouse, 0, 36, 4, true}, // 16 on the other axis
        {mouse, 5, 36, 4, true}, // a button released where the last move ended
        {registerWatchMessage(WatchKeyEvent), 65, 0, 0, true},
    };
    EXPECT_TRUE(child<QCheckBox>("KMCheckBox")->isEnabled());
    for (const Step& step : steps) {
        deliverRecord(step.message, step.wParam, step.x | step.y << 16);
        EXPECT_EQ(form->watchState().inputSeen, step.seen) << step.x << "," << step.y;
        tick();
    }
    EXPECT_FALSE(form->watchState().statusLine.contains("Maus und Tastatur"));
}

TEST_F(TMainFormInputTest, TheBoxStartsAndStopsTheWatchAndAStoppedLibraryCountsAsBusy) {
    const auto receiver = hookEntry<std::int32_t()>("GetReceiver");
    EXPECT_NE(receiver(), 0);
    hookEntry<void()>("StopAll")(); // as when the library loses its display
    tick();
    EXPECT_TRUE(form->watchState().statusLine.contains("Maus und Tastatur"));
    EXPECT_EQ(form->watchState().idleSeconds, 0);
    child<QCheckBox>("ProzCheckBox")->setChecked(true); // any condition box starts both kinds again
    tick();
    EXPECT_FALSE(form->watchState().statusLine.contains("Maus und Tastatur"));
    child<QCheckBox>("KMCheckBox")->setChecked(false);
    EXPECT_EQ(receiver(), 0);
}

// A library whose registration belongs to another program and stays its own when told to clear it.
class StubbornLibrary : public HookLibrary {
    static void ignore(std::int32_t) {}
    static void nothing() {}
    static std::int32_t none() { return 0; }
    static std::int32_t otherReceiver() { return 4321; }
    static std::int32_t refuse(std::int32_t) { return 0; }

public:
    void* entryPoint(const char* name) const override {
        const std::map<std::string_view, void*> entries{
            {"StartWatching", reinterpret_cast<void*>(&ignore)},
            {"StopWatching", reinterpret_cast<void*>(&ignore)},
            {"StillWatching", reinterpret_cast<void*>(&none)},
            {"StopAll", reinterpret_cast<void*>(&nothing)},
            {"SetReceiver", reinterpret_cast<void*>(&refuse)},
            {"GetReceiver", reinterpret_cast<void*>(&otherReceiver)}};
        return entries.at(name);
    }
};

class TMainFormOverrideTest : public MainFormFixture {};

TEST_F(TMainFormOverrideTest, ARegistrationThatCannotBeTakenOverIsSaidOnceAndCountsAsBusy) {
    const WatchPlatform stubborn{
        [] { return std::make_unique<StubbornLibrary>(); }, &createWatchReceiver, {}, {}};
    watchPlatform = &stubborn;
    QStringList boxes;
    QTimer closer;
    closer.callOnTimeout([&boxes] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxes << box->text();
            box->close();
        }
    });
    closer.start(20);
    writeSettings("Fkey=1\r\narmed=1\r\ntime=10\r\n");
    open();
    child<QCheckBox>("ProzCheckBox")->setChecked(true); // starts both kinds again: nothing more is said
    tick();
    EXPECT_EQ(boxes, (QStringList{"Another instance already uses vsphelper.inc.\nOverriding it.",
                                  "Unable to override.\nSystem watching is disabled."}));
    EXPECT_TRUE(form->watchState().statusLine.contains("Maus und Tastatur"));
    EXPECT_EQ(form->watchState().idleSeconds, 0);
}

} // namespace
} // namespace vespera
