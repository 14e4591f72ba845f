// The built program on a private display, watching a network card of its own (tools/with-veth): an armed
// network condition of 10 seconds below 10 kb/s holds off while traffic runs over the card for longer
// than the period, and fires once the card is quiet.
#include <gtest/gtest.h>

#include "ProgramRun.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace std::chrono_literals;

TEST(NetworkWatchEndToEnd, TrafficHoldsTheCountAndQuietLetsItFire) {
    QTemporaryDir home;
    ProgramRun run(home.path());
    // The namespace lists vsp1 and vsp0, the only cards besides loopback; the traffic crosses both.
    run.writeSettings("armed=1\r\nfproz=0\r\nFnet=1\r\nnetworkcard=0\r\nnet_taskbar=10\r\ntime=10\r\n");
    run.start(QStringLiteral(VESPERA_PROGRAM));
    // Datagrams to an address behind vsp0 whose link address is set by hand leave at once, unanswered:
    // 28 kB each 100 ms, some 270 kb/s.
    const int sender = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(9);
    ::inet_pton(AF_INET, "10.201.0.9", &target.sin_addr);
    const char datagram[1400] = {};
    QElapsedTimer busy;
    busy.start();
    while (busy.elapsed() < 15000) {
        for (int i = 0; i < 20; ++i)
            ASSERT_GT(::sendto(sender, datagram, sizeof datagram, 0,
                               reinterpret_cast<const sockaddr*>(&target), sizeof target),
                      0)
                << "no route through vsp0: run under tools/with-veth";
        ASSERT_FALSE(run.waitForError("dry run", 100ms).contains("dry run")) << busy.elapsed() << " ms";
    }
    ::close(sender);
    EXPECT_TRUE(run.waitForError("dry run", 15s).contains("dry run: power off"));
    EXPECT_EQ(run.terminate(), 0);
}
