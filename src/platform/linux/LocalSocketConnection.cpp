#include "platform/linux/LocalSocketConnection.h"

#include "platform/linux/LocalSocketChannel.h"

#include <QTimer>

#include <algorithm>
#include <array>
#include <cerrno>

#include <sys/socket.h>
#include <unistd.h>

namespace vespera {

LocalSocketConnection::LocalSocketConnection(int socket, Responder respond, QObject* parent)
    : QObject(parent), socket_(socket), respond_(std::move(respond)),
      readable_(std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read)),
      writable_(std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Write)) {
    writable_->setEnabled(false);
    connect(readable_.get(), &QSocketNotifier::activated, this, &LocalSocketConnection::readRequest);
    connect(writable_.get(), &QSocketNotifier::activated, this, &LocalSocketConnection::sendAnswer);
    QTimer::singleShot(LocalSocketChannel::AnswerTimeoutMs, this, &LocalSocketConnection::close);
}

LocalSocketConnection::~LocalSocketConnection() {
    readable_.reset();
    writable_.reset();
    ::close(socket_);
}

// Reads what has arrived, never more than the line limit in all; the line is answered once it is whole.
void LocalSocketConnection::readRequest() {
    std::array<char, 4096> chunk;
    while (received_.size() < LocalSocketChannel::LineLimit) {
        const qsizetype room = LocalSocketChannel::LineLimit - received_.size();
        const ssize_t got = ::read(socket_, chunk.data(), std::min<qsizetype>(chunk.size(), room));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        if (got <= 0)
            break;
        const qsizetype searched = received_.size();
        received_.append(chunk.data(), got);
        const qsizetype end = received_.indexOf('\n', searched);
        if (end >= 0) {
            readable_->setEnabled(false);
            answer_ = respond_(received_.left(end));
            sendAnswer();
            return;
        }
    }
    close();
}

void LocalSocketConnection::sendAnswer() {
    while (sent_ < answer_.size()) {
        const ssize_t wrote =
            ::send(socket_, answer_.constData() + sent_, answer_.size() - sent_, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            writable_->setEnabled(true);
            return;
        }
        if (wrote < 0)
            break;
        sent_ += wrote;
    }
    close();
}

void LocalSocketConnection::close() {
    readable_->setEnabled(false);
    writable_->setEnabled(false);
    deleteLater();
}

} // namespace vespera
