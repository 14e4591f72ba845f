// The running copy's local socket against clients and copies that break the one-line exchange.
#include <gtest/gtest.h>

#include "platform/linux/LocalSocketChannel.h"
#include "platform/linux/LocalSocketRemoteService.h"
#include "platform/linux/LocalSocketRequest.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace vespera;
using LocalSocketChannel::AnswerTimeoutMs;

struct Target : RemoteTarget {
    void setArmed(bool) override {}
    RemoteStatus remoteStatus() const override { return {true, {}, {}}; }
    void setAction(const QString&) override {}
    void setPeriod(int) override {}
};

TEST(LocalSocketService, EachConnectionIsAnsweredOrClosedInTime) {
    int argc = 1;
    char name[] = "test_local_socket_service", *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    Target target;
    QString problem;
    const auto service = LocalSocketRemoteService::listen(target, problem);
    ASSERT_TRUE(service) << problem.toStdString();
    const QByteArray tooLong = QByteArray(LocalSocketChannel::LineLimit, ' ') + '\n';
    const struct {
        const char* what;
        QByteArray first, second; // written a moment apart
        bool endWriting, answered, closedBeforeTimeout;
    } cases[] = {
        {"line split across two writes", "{\"command\":", "\"Status\"}\n", false, true, true},
        {"line longer than the limit", tooLong, {}, false, false, true},
        {"ends before a whole line", "{\"command\":", {}, true, false, true},
        {"connects and never writes", {}, {}, false, false, false},
    };
    for (const auto& c : cases) {
        const int socket =
            LocalSocketChannel::connectTo(runtime.filePath(LocalSocketChannel::FileName), 1000);
        QElapsedTimer clock;
        clock.start();
        ::send(socket, c.first.constData(), c.first.size(), MSG_NOSIGNAL);
        QByteArray received;
        char chunk[4096];
        ssize_t got = 1;
        for (int turn = 0; got > 0 && clock.elapsed() < AnswerTimeoutMs + 3000; ++turn) {
            app.processEvents();
            if (turn == 20)
                ::send(socket, c.second.constData(), c.second.size(), MSG_NOSIGNAL);
            if (turn == 20 && c.endWriting)
                ::shutdown(socket, SHUT_WR);
            pollfd ready{socket, POLLIN, 0};
            if (::poll(&ready, 1, 10) > 0 && (got = ::read(socket, chunk, sizeof chunk)) > 0)
                received.append(chunk, got);
        }
        EXPECT_EQ(received.startsWith("{\"armed\":true"), c.answered) << c.what;
        EXPECT_EQ(received.isEmpty(), !c.answered) << c.what;
        EXPECT_LE(got, 0) << c.what << ": left open";
        EXPECT_EQ(clock.elapsed() < AnswerTimeoutMs / 2, c.closedBeforeTimeout) << c.what;
        ::close(socket);
    }
}
