#include "update/TnuServer.h"

#include "update/ComponentStreamError.h"
#include "update/ComponentStreamReader.h"

#include <QStringList>

namespace vespera {

namespace {

using Kind = StreamValue::Kind;

[[noreturn]] void wrongKind(const StreamProperty& p, const char* expected) {
    throw ComponentStreamError(
        QStringLiteral("Damaged update information: %1 is not %2").arg(p.name, QLatin1String(expected)));
}

QString textOf(const StreamProperty& p) {
    if (p.value.kind != Kind::Text)
        wrongKind(p, "a text");
    return p.value.text;
}

std::int64_t integerOf(const StreamProperty& p) {
    if (p.value.kind != Kind::Integer)
        wrongKind(p, "a number");
    return p.value.integer;
}

bool booleanOf(const StreamProperty& p) {
    if (p.value.kind == Kind::Boolean)
        return p.value.boolean;
    if (p.value.kind == Kind::Identifier && p.value.text.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (p.value.kind == Kind::Identifier && p.value.text.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    wrongKind(p, "a boolean");
}

template <class Enum> Enum enumOf(const StreamProperty& p, const QStringList& names) {
    for (qsizetype i = 0; p.value.kind == Kind::Identifier && i < names.size(); ++i) {
        if (names[i].compare(p.value.text, Qt::CaseInsensitive) == 0)
            return static_cast<Enum>(i);
    }
    wrongKind(p, "one of its names");
}

bool is(const StreamProperty& p, const char* name) {
    return p.name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

TServerFile serverFileOf(const std::vector<StreamProperty>& properties) {
    static const QStringList targets{
        "tdApp",           "tdProgramFiles",       "tdWindows", "tdSystem", "tdCommonAppData",
        "tdCommonDesktop", "tdCommonProgramFiles", "tdTempDir"};
    TServerFile file;
    for (const StreamProperty& p : properties) {
        if (is(p, "FileName"))
            file.FileName = textOf(p);
        else if (is(p, "FileSize"))
            file.FileSize = static_cast<std::uint32_t>(integerOf(p));
        else if (is(p, "TargetDir"))
            file.targetDir = enumOf<TargetDir>(p, targets);
        else if (is(p, "SubDir"))
            file.SubDir = textOf(p);
    }
    return file;
}

} // namespace

TnuServer TnuServer::read(const QByteArray& stream) {
    const StreamObject object = ComponentStreamReader(stream).readRootObject();
    if (object.className.compare(u"TnuServer", Qt::CaseInsensitive) != 0)
        throw ComponentStreamError(
            QStringLiteral("Damaged update information: it holds a %1, not a TnuServer")
                .arg(object.className));
    TnuServer server;
    for (const StreamProperty& property : object.properties)
        server.assign(property);
    return server;
}

// Numbers keep their low 32 bits: a writer may store the largest exit code as -1 or as a 64-bit value.
void TnuServer::assign(const StreamProperty& p) {
    static const QStringList methods{"umSelfUpgrade", "umUseExternalSetup", "umRedirectToURL"};
    static const QStringList misc{"mfuAlwaysDownload", "mfuOnlyIfSizeDifferent"};
    if (is(p, "ServerFiles")) {
        if (p.value.kind != Kind::Collection)
            wrongKind(p, "a collection");
        for (const auto& item : p.value.items)
            ServerFiles << serverFileOf(item);
    } else if (is(p, "Protocol")) {
        Protocol = textOf(p);
    } else if (is(p, "FilePath")) {
        FilePath = textOf(p);
    } else if (is(p, "Port")) {
        Port = static_cast<std::int32_t>(integerOf(p));
    } else if (is(p, "Login")) {
        Login = booleanOf(p);
    } else if (is(p, "UserID")) {
        UserID = textOf(p);
    } else if (is(p, "Password")) {
        Password = textOf(p);
    } else if (is(p, "VersionDate")) {
        VersionDate = textOf(p);
    } else if (is(p, "VersionNumber")) {
        VersionNumber = textOf(p);
    } else if (is(p, "UpgradeMsg")) {
        UpgradeMsg = textOf(p);
    } else if (is(p, "UpgradeMethod")) {
        upgradeMethod = enumOf<UpgradeMethod>(p, methods);
    } else if (is(p, "ExeFile")) {
        ExeFile = textOf(p);
    } else if (is(p, "ExtractParams")) {
        ExtractParams = textOf(p);
    } else if (is(p, "ExitCode")) {
        ExitCode = static_cast<std::uint32_t>(integerOf(p));
    } else if (is(p, "CloseNetUpdate")) {
        CloseNetUpdate = booleanOf(p);
    } else if (is(p, "MiscFilesUpgrade")) {
        miscFilesUpgrade = enumOf<MiscFilesUpgrade>(p, misc);
    } else if (is(p, "SecurityCode")) {
        SecurityCode = textOf(p);
    }
}

} // namespace vespera
