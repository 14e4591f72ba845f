// The watch with the program's hook library on a private display: its loader, lifecycle and the
// handling of records written into the receiver's pipe.
#include <gtest/gtest.h>

#include "HookEntry.h"
#include "sensors/Watch.h"

#include <QDir>
#include <QStringList>

namespace vespera {
namespace {

const std::uint32_t Key = registerWatchMessage(WatchKeyEvent);
const std::uint32_t Mouse = registerWatchMessage(WatchMouseEvent);
const std::uint32_t Shell = registerWatchMessage(WatchShellEvent);

class WatchTest : public ::testing::Test {
protected:
    QStringList boxes;
    QStringList events;

    std::unique_ptr<TWatch> makeWatch(const QString& folder = HookFolder) {
        auto watch = std::make_unique<TWatch>(
            WatchPlatform{[folder] { return loadHookLibrary(folder, "vsphelper.inc"); }, &createWatchReceiver,
                          [](std::int32_t window) { return window == 6 ? "B" : "A"; },
                          [this](const QString& text) { boxes << text.section('\r', 0, 0); }});
        const auto log = [this](QString event, int x, int y) {
            events << event.append(" %1 %2").arg(x).arg(y);
        };
        const auto button = [](MouseButton b, ShiftState s) {
            return QString("LRM")[int(b)] + QString(int(s), '2');
        };
        watch->OnKeyNative = [=](int w, int l) { log("key", w, l); };
        watch->OnMouseDown = [=](MouseButton b, ShiftState s, int x, int y) {
            log("down " + button(b, s), x, y);
        };
        watch->OnMouseUp = [=](MouseButton b, ShiftState s, int x, int y) {
            log("up " + button(b, s), x, y);
        };
        watch->OnMouseMove = [=](ShiftState, int x, int y) { log("move", x, y); };
        watch->OnWindowCreated = [this](int h, const QString& c) {
            events << QString("new %1 %2").arg(h).arg(c);
        };
        watch->OnWindowActivated = [this](int h, const QString& c) {
            events << QString("on %1 %2").arg(h).arg(c);
        };
        return watch;
    }
};

TEST_F(WatchTest, RecordsInThePipeBecomeEvents) {
    struct Row {
        std::uint32_t message;
        std::int32_t wParam, lParam;
        const char* event;
    } rows[] = {
        {Mouse, 0, 0x00040003, "move 3 4"},
        {Mouse, 0, std::int32_t(0xFFFF8000), "move 32768 65535"}, // both halves unsigned
        {Mouse, 3, 0, "down L2 0 0"},
        {Mouse, 0x25, 0, "up R 0 0"}, // only the low four bits are the code
        {Mouse, 10, 0x00020001, "down L 1 2"},
        {Key, 38, INT32_MIN, "key 38 -2147483648"},
        {Mouse + 1, 1, 1, ""},
    };
    const auto watch = makeWatch();
    watch->StartWatch(WatchMouse);
    for (const Row& row : rows) {
        events.clear();
        deliverRecord(row.message, row.wParam, row.lParam);
        EXPECT_EQ(events.join(','), row.event) << row.wParam;
    }
}

TEST_F(WatchTest, ShellEventsSkipTheOwnWindowAndRepeatedActivations) {
    struct Row {
        bool repeated, own;
        std::vector<std::pair<int, int>> messages; // window, code
        const char* events;
    } rows[] = {
        {false, false, {{5, 4}, {5, 4}, {6, 4}, {5, 4}}, "on 5 A,on 6 B,on 5 A"},
        {true, false, {{5, 4}, {5, 4}}, "on 5 A,on 5 A"},
        {false, false, {{9, 1}, {5, 1}, {5, 7}}, "new 5 A"},
        {false, true, {{9, 1}}, "new 9 A"},
    };
    for (const Row& row : rows) {
        events.clear();
        const auto watch = makeWatch();
        watch->RepeatedEvents = row.repeated;
        watch->NotifyOwnEvents = row.own;
        watch->applicationWindow = 9;
        for (const auto& [window, code] : row.messages)
            EXPECT_EQ(watch->DispatchWatchMessage(Shell, window, code), 0);
        EXPECT_EQ(events.join(','), row.events);
    }
}

TEST_F(WatchTest, LoadFailuresShowOneBoxAndDisableTheWatch) {
    struct Row {
        QString folder;
        std::int32_t otherReceiver;
        const char* box;
    } rows[] = {
        {"/nonexistent", 0, "Library vsphelper.inc not found."},
        {VESPERA_HOOK_WITHOUT_EXPORT, 0, "Library vsphelper.inc is not valid."},
        {HookFolder, 4321, "Another instance already uses vsphelper.inc."}, // taken over: it works
    };
    for (const Row& row : rows) {
        boxes.clear();
        hookEntry<std::int32_t(std::int32_t)>("SetReceiver")(row.otherReceiver);
        const auto watch = makeWatch(row.folder);
        watch->StartWatch(WatchMouse);
        watch->StartWatch(WatchKeyboard); // shows nothing more
        const bool works = row.otherReceiver != 0;
        EXPECT_EQ(boxes, QStringList{row.box});
        EXPECT_EQ(watch->watching(), works) << row.box;
        EXPECT_EQ(watch->HookDisabled(), !works) << row.box;
    }
}

// The library thread is joined once no kind is left: nothing of a hundred loads stays behind.
TEST_F(WatchTest, StopsOnlyWhenNoKindIsLeftAndAHundredLoadsLeaveNoThreadOrDescriptor) {
    const auto entries = [](const char* folder) {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size();
    };
    const auto cycle = [this] {
        const auto watch = makeWatch();
        watch->StartWatch(WatchMouse);
        watch->StartWatch(WatchKeyboard);
        watch->StopWatch(WatchMouse);
        EXPECT_TRUE(watch->watching());
        watch->StopWatch(WatchKeyboard);
        EXPECT_EQ(hookEntry<std::int32_t()>("GetReceiver")(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    cycle();
    const qsizetype threads = entries("/proc/self/task");
    const qsizetype descriptors = entries("/proc/self/fd");
    for (int i = 0; i < 100; ++i)
        cycle();
    EXPECT_EQ(entries("/proc/self/task"), threads);
    EXPECT_EQ(entries("/proc/self/fd"), descriptors);
    EXPECT_TRUE(boxes.isEmpty());
}

} // namespace
} // namespace vespera
