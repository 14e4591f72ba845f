#pragma once

#include "update/UpdateDialogs.h"
#include "update/UpdateProgress.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

// Writes an update-information stream of one TnuServer with the properties a test names.
class InfoStream {
public:
    InfoStream& text(const QByteArray& name, const QString& value) { return add(utf8(name, value)); }
    InfoStream& ident(const QByteArray& name, const QByteArray& value) {
        return add(shortString(name) + '\x07' + shortString(value));
    }
    // One server file: name and size.
    InfoStream& file(const QString& fileName, qint32 size) {
        files_ += '\x01' + utf8("FileName", fileName) + shortString("FileSize") + '\x04' + int32(size) + '\0';
        return *this;
    }
    QByteArray bytes() const {
        const QByteArray files = files_.isEmpty() ? "" : shortString("ServerFiles") + '\x0e' + files_ + '\0';
        return "TPF0" + shortString("TnuServer") + shortString("Info") + files + body_ + QByteArray(2, '\0');
    }

private:
    InfoStream& add(const QByteArray& property) {
        body_ += property;
        return *this;
    }
    static QByteArray shortString(const QByteArray& s) { return char(s.size()) + s; }
    static QByteArray utf8(const QByteArray& name, const QString& value) {
        return shortString(name) + '\x14' + int32(value.toUtf8().size()) + value.toUtf8();
    }
    static QByteArray int32(qint32 v) {
        QByteArray b(4, '\0');
        for (int i = 0; i < 4; ++i)
            b[i] = char(quint32(v) >> (8 * i));
        return b;
    }
    QByteArray body_, files_;
};

// Runs tools/sign-update and answers what it prints (the public key).
inline QByteArray signUpdate(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral(VESPERA_TOOLS "/sign-update"), arguments);
    tool.waitForFinished();
    return tool.readAllStandardOutput().trimmed();
}

// Records the boxes and answers the questions from a script.
class ScriptedDialogs : public vespera::UpdateDialogs {
public:
    void inform(Kind, const QString&, const QString& text) override { shown << text; }
    bool ask(const QString&, const QString& text) override {
        shown << text;
        return !answers.isEmpty() && answers.takeFirst();
    }
    void openAddress(const QString&) override {}

    QList<bool> answers;
    QStringList shown;
};

// Presses cancel at a chosen block.
class ScriptedProgress : public vespera::UpdateProgress {
public:
    void show() override { visible = true; }
    void hide() override { visible = false; }
    void setLines(const QString&, const QString&, const QString&) override {}
    void setPosition(int, const QString&) override {}
    bool cancelRequested() override { return ++blocks == cancelAtBlock; }

    bool visible = false;
    int blocks = 0, cancelAtBlock = 0;
};

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
