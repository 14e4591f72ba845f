#pragma once

#include <QProcess>
#include <QString>

// A web server on 127.0.0.1 that this test starts itself, serving a folder.
class LoopbackServer {
public:
    explicit LoopbackServer(const QString& folder) {
        server_.start(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral(VESPERA_TEST_SOURCE "/update_server.py"), folder});
        if (server_.waitForReadyRead(10000))
            port_ = server_.readLine().trimmed().toInt();
    }
    ~LoopbackServer() {
        server_.kill();
        server_.waitForFinished();
    }
    int port() const { return port_; }

private:
    QProcess server_;
    int port_ = 0;
};
