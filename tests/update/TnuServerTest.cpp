#include "update/ComponentStreamError.h"
#include "update/TnuServer.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace vespera;

namespace {

QByteArray fixture(const QString& name) {
    QFile file(QStringLiteral(VESPERA_TEST_DATA "/update/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray shortString(const QByteArray& s) {
    return char(s.size()) + s;
}

// A stream of one TnuServer with the given property bytes, closed properly.
QByteArray server(const QByteArray& properties) {
    return "TPF0" + shortString("TnuServer") + shortString("s") + properties + QByteArray(2, '\0');
}

QByteArray property(const QByteArray& name, const QByteArray& typedValue) {
    return shortString(name) + typedValue;
}

} // namespace

// Free Pascal writes the same information with short, long, wide and Unicode strings; every flavour
// must read alike, including the exit code it stores as the one byte -1.
TEST(TnuServer, ReadsTheFilesOfAnIndependentWriter) {
    for (const char* flavour : {"ansi", "wide", "unicode"}) {
        SCOPED_TRACE(flavour);
        const TnuServer full = TnuServer::read(fixture(QStringLiteral("%1-full.inf").arg(flavour)));
        ASSERT_EQ(full.ServerFiles.size(), 2);
        EXPECT_EQ(full.ServerFiles[0].FileSize, 1234567u);
        EXPECT_EQ(full.ServerFiles[1].targetDir, TargetDir::tdCommonAppData);
        EXPECT_EQ(full.ServerFiles[1].SubDir, "Vespera/Doku");
        EXPECT_EQ(full.UpgradeMsg, QStringLiteral("Größere Änderungen: schnellerer Start"));
        EXPECT_EQ(full.upgradeMethod, UpgradeMethod::umUseExternalSetup);
        EXPECT_EQ(full.ExitCode, 4294967295u);
        EXPECT_EQ(full.miscFilesUpgrade, MiscFilesUpgrade::mfuOnlyIfSizeDifferent);

        const TnuServer minimal = TnuServer::read(fixture(QStringLiteral("%1-minimal.inf").arg(flavour)));
        EXPECT_EQ(minimal.UpgradeMsg, QString(300, u'x'));
        EXPECT_EQ(minimal.ExitCode, 70000u);
    }
}

TEST(TnuServer, ReadsWhatOtherWritersMayChoose) {
    const struct {
        const char* name;
        QByteArray properties;
        QString upgradeMsg;
        std::uint32_t exitCode;
    } cases[] = {
        {"Windows-1252 bytes", property("UpgradeMsg", "\x06\x04Gr\xfc\xdf"), QStringLiteral("Grüß"), 0},
        {"UTF-8 string type", property("UpgradeMsg", QByteArray("\x14\x02\0\0\0\xc3\xa4", 7)), "ä", 0},
        {"64-bit exit code keeps the low half",
         property("ExitCode", QByteArray("\x13\x05\0\0\0\x01\0\0\0", 9)), "", 5},
        {"unknown property skipped",
         property("Colour", QByteArray("\x0b\x02on\0", 5)) + property("ExitCode", "\x02\x07"), "", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TnuServer s = TnuServer::read(server(c.properties));
        EXPECT_EQ(s.UpgradeMsg, c.upgradeMsg);
        EXPECT_EQ(s.ExitCode, c.exitCode);
    }
}

TEST(TnuServer, RefusesDamagedStreams) {
    const struct {
        const char* name;
        QByteArray stream;
    } cases[] = {
        {"wrong signature", "TPF1" + server("").mid(4)},
        {"short string past the end", "TPF0\x40TnuServer"},
        {"long string past the end", server(property("UpgradeMsg", "\x0c\xff\xff\xff\x7f"))},
        {"negative length", server(property("UpgradeMsg", "\x12\xfe\xff\xff\xff"))},
        {"unknown type byte", server(property("Port", "\x30"))},
        {"unclosed property list",
         "TPF0" + shortString("TnuServer") + shortString("s") + property("Port", "\x02\x01")},
        {"unclosed collection", server(property("ServerFiles", "\x0e\x01")).chopped(2)},
        {"value of the wrong kind", server(property("Port", "\x06\x01x"))},
        {"unknown enumeration name", server(property("UpgradeMethod", "\x07\x05umFoo"))},
        {"another class", "TPF0" + shortString("TForm") + QByteArray(3, '\0')},
        {"nesting without end", server(property("Tag", QByteArray(100000, '\x01')))},
    };
    for (const auto& c : cases)
        EXPECT_THROW(TnuServer::read(c.stream), ComponentStreamError) << c.name;
}

// Every cut of a good file is a damaged file: it is refused, never read past its end.
TEST(TnuServer, RefusesEveryTruncation) {
    const QByteArray whole = fixture(QStringLiteral("wide-full.inf"));
    for (qsizetype length = 0; length < whole.size(); ++length)
        EXPECT_THROW(TnuServer::read(whole.left(length)), ComponentStreamError) << length;
}
