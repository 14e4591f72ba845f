#include <gtest/gtest.h>

#include "platform/IPHelper.h"
#include "sensors/NetworkMeter.h"

#include <chrono>
#include <numeric>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace vespera;
using namespace std::chrono_literals;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int RateBytesPerSecond = 1000 * 1024; // 1000 kb/s
constexpr auto SendInterval = 10ms;
constexpr int ChunkBytes = RateBytesPerSecond / 100;
constexpr int Ticks = 5;

class Socket {
public:
    explicit Socket(int fd = -1) : fd_(fd) {}
    ~Socket() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

sockaddr_in loopback(in_port_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = port;
    return address;
}

void setTimeout(int fd, int option, std::chrono::seconds limit) {
    const timeval tv{static_cast<time_t>(limit.count()), 0};
    ::setsockopt(fd, SOL_SOCKET, option, &tv, sizeof tv);
}

// A server on 127.0.0.1 that takes one connection and reads it dry, for at most `limit`.
class Sink {
public:
    Sink() : listener_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_in address = loopback(0);
        socklen_t size = sizeof address;
        ok_ = ::bind(listener_.fd(), reinterpret_cast<sockaddr*>(&address), size) == 0 &&
              ::listen(listener_.fd(), 1) == 0 &&
              ::getsockname(listener_.fd(), reinterpret_cast<sockaddr*>(&address), &size) == 0;
        port_ = address.sin_port;
        if (ok_)
            thread_ = std::jthread([this] { drain(); });
    }
    bool ok() const { return ok_; }
    in_port_t port() const { return port_; }

private:
    void drain() {
        pollfd waiting{listener_.fd(), POLLIN, 0};
        if (::poll(&waiting, 1, 5000) != 1)
            return;
        const Socket peer(::accept4(listener_.fd(), nullptr, nullptr, SOCK_CLOEXEC));
        setTimeout(peer.fd(), SO_RCVTIMEO, 2s);
        std::vector<char> buffer(64 * 1024);
        const auto deadline = Clock::now() + 30s;
        while (Clock::now() < deadline && ::recv(peer.fd(), buffer.data(), buffer.size(), 0) > 0) {
        }
    }

    Socket listener_;
    bool ok_ = false;
    in_port_t port_ = 0;
    std::jthread thread_;
};

// Sends `ChunkBytes` every `SendInterval` from `start` until `stop`, catching up after a late wake-up.
void sendPaced(in_port_t port, Clock::time_point start, Clock::time_point stop) {
    const Socket socket(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    const sockaddr_in address = loopback(port);
    if (::connect(socket.fd(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return;
    setTimeout(socket.fd(), SO_SNDTIMEO, 2s);
    const std::vector<char> chunk(ChunkBytes, 'v');
    const auto chunks = (stop - start) / SendInterval;
    for (long long k = 0; k < chunks; ++k) {
        std::this_thread::sleep_until(start + k * SendInterval);
        if (::send(socket.fd(), chunk.data(), chunk.size(), MSG_NOSIGNAL) != ChunkBytes)
            return;
    }
}

} // namespace

// Real traffic on the loopback interface, read from the real interface table: the meter's reading of
// "lo" matches the rate sent. Nothing leaves the machine.
TEST(NetworkMeterLoopback, MeasuresAKnownByteRateOnLo) {
    Sink sink;
    ASSERT_TRUE(sink.ok());
    const Clock::time_point start = Clock::now() + 200ms;
    const Clock::time_point listing = start + 500ms; // the stream is flowing before the listing
    std::jthread sender(sendPaced, sink.port(), start, listing + (Ticks + 1) * 1s);

    const std::unique_ptr<IPHelper> helper = createIPHelper();
    NetworkMeter meter(*helper);
    std::this_thread::sleep_until(listing);
    TMIBIfArray table;
    helper->ReadInterfaceTable(table);
    for (TMIBIfRow& row : table)
        row.dwType = TMIBIfRow::TypeOther; // the selector leaves loopback out: listed here to be measured
    meter.ListInterfaces(table);
    const qsizetype lo = meter.interfaceNames().indexOf(QStringLiteral("lo"));
    ASSERT_GE(lo, 0) << "no loopback interface listed";
    meter.setNetworkCard(static_cast<int>(lo));

    std::vector<int> readings;
    for (int tick = 1; tick <= Ticks; ++tick) {
        std::this_thread::sleep_until(listing + tick * 1s);
        meter.RefreshInterfaces(false);
        readings.push_back(meter.NetLoad());
    }
    const double mean = std::accumulate(readings.begin(), readings.end(), 0.0) / Ticks;
    const double expected = RateBytesPerSecond / 1024.0;
    ::testing::Test::RecordProperty("readings", ::testing::PrintToString(readings));
    EXPECT_NEAR(mean, expected, expected * 0.10) << ::testing::PrintToString(readings);
}
