// The built program on a private display, watching a network card of its own (tools/with-veth): an armed
// network condition of 10 seconds below 10 kb/s holds off while traffic runs over the card for longer
// than the period, and fires once the card is quiet.
#include <gtest/gtest.h>

#include "ProgramRun.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <array>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// Datagrams to an address behind vsp0, whose link address is set by hand: they leave at once, with no
// one to answer them.
class Traffic {
public:
    Traffic() : socket_(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
        target_.sin_family = AF_INET;
        target_.sin_port = htons(9);
        ::inet_pton(AF_INET, "10.201.0.9", &target_.sin_addr);
    }
    ~Traffic() { ::close(socket_); }

    // About 28 kB: sent every 100 ms, some 270 kb/s.
    bool send() const {
        const std::array<char, 1400> datagram{};
        for (int i = 0; i < 20; ++i) {
            if (::sendto(socket_, datagram.data(), datagram.size(), 0,
                         reinterpret_cast<const sockaddr*>(&target_), sizeof target_) < 0)
                return false;
        }
        return true;
    }

private:
    int socket_;
    sockaddr_in target_{};
};

} // namespace

TEST(NetworkWatchEndToEnd, TrafficHoldsTheCountAndQuietLetsItFire) {
    QTemporaryDir home;
    ProgramRun run(home.path());
    // The namespace lists vsp1 and vsp0, the only cards besides loopback; the traffic crosses both.
    run.writeSettings("armed=1\r\nfproz=0\r\nFnet=1\r\nnetworkcard=0\r\nnet_taskbar=10\r\ntime=10\r\n");
    run.start(QStringLiteral(VESPERA_PROGRAM));
    const Traffic traffic;
    QElapsedTimer busy;
    busy.start();
    while (busy.elapsed() < 15000) {
        ASSERT_TRUE(traffic.send()) << "no route through vsp0: run under tools/with-veth";
        ASSERT_FALSE(run.waitForError("dry run", 100ms).contains("dry run")) << busy.elapsed() << " ms";
    }
    EXPECT_TRUE(run.waitForError("dry run", 15s).contains("dry run: power off"));
    EXPECT_EQ(run.terminate(), 0);
}
