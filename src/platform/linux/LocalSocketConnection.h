#pragma once

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace vespera {

// One accepted connection of the local socket, served on the event loop without ever waiting for it:
// it reads one request line, sends the answer to it and closes. A connection that sends more than a
// line may hold, ends before a whole line or is not done in time is closed unanswered; it deletes itself
// once closed.
class LocalSocketConnection : public QObject {
public:
    using Responder = std::function<QByteArray(const QByteArray& line)>;

    // Takes over the connected, non-blocking socket.
    LocalSocketConnection(int socket, Responder respond, QObject* parent);
    ~LocalSocketConnection() override;
    LocalSocketConnection(const LocalSocketConnection&) = delete;
    LocalSocketConnection& operator=(const LocalSocketConnection&) = delete;

private:
    void readRequest();
    void sendAnswer();
    void close();

    int socket_;
    Responder respond_;
    QByteArray received_;
    QByteArray answer_;
    qsizetype sent_ = 0;
    std::unique_ptr<QSocketNotifier> readable_;
    std::unique_ptr<QSocketNotifier> writable_;
};

} // namespace vespera
