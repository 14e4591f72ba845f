#pragma once

#include "update/UpdateDialogs.h"
#include "update/UpdateProgress.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Writes an update-information stream of one TnuServer with the properties a test names.
class InfoStream {
public:
    InfoStream& text(const QByteArray& name, const QString& value) {
        const QByteArray utf8 = value.toUtf8();
        body_ += shortString(name) + '\x14' + int32(utf8.size()) + utf8;
        return *this;
    }
    InfoStream& ident(const QByteArray& name, const QByteArray& value) {
        body_ += shortString(name) + '\x07' + shortString(value);
        return *this;
    }
    // One server file: name and size.
    InfoStream& file(const QString& fileName, qint32 size) {
        files_ += '\x01' + shortString("FileName") + '\x14' + int32(fileName.toUtf8().size()) +
                  fileName.toUtf8() + shortString("FileSize") + '\x04' + int32(size) + '\0';
        return *this;
    }
    QByteArray bytes() const {
        const QByteArray files =
            files_.isEmpty() ? QByteArray() : shortString("ServerFiles") + '\x0e' + files_ + '\0';
        return "TPF0" + shortString("TnuServer") + shortString("Info") + files + body_ + QByteArray(2, '\0');
    }

private:
    static QByteArray shortString(const QByteArray& s) { return char(s.size()) + s; }
    static QByteArray int32(qint32 v) {
        QByteArray b(4, '\0');
        for (int i = 0; i < 4; ++i)
            b[i] = char(quint32(v) >> (8 * i));
        return b;
    }
    QByteArray body_;
    QByteArray files_;
};

// Records the boxes and answers the questions from a script.
class ScriptedDialogs : public vespera::UpdateDialogs {
public:
    void inform(Kind, const QString&, const QString& text) override { shown << text; }
    bool ask(const QString&, const QString& text) override {
        shown << text;
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    void openAddress(const QString& address) override { opened << address; }

    QList<bool> answers;
    QStringList shown;
    QStringList opened;
};

// Counts the blocks and presses cancel at a chosen block.
class ScriptedProgress : public vespera::UpdateProgress {
public:
    void show() override { visible = true; }
    void hide() override { visible = false; }
    void setLines(const QString&, const QString& file, const QString&) override { fileLine = file; }
    void setPosition(int percent, const QString&) override { lastPercent = percent; }
    bool cancelRequested() override { return ++blocks == cancelAtBlock; }

    bool visible = false;
    QString fileLine;
    int lastPercent = -1;
    int blocks = 0;
    int cancelAtBlock = 0;
};
