#include "settings/SettingsStore.h"

#include "settings/AtomicFile.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <variant>

namespace vespera {

namespace {

constexpr QStringView Section = u"Settings";

using Member = std::variant<int Settings::*, bool Settings::*, QString Settings::*>;

struct Field {
    QStringView key;
    Member member;
};

// The keys in the order they are read; each one's default is the value Settings starts with.
constexpr std::array<Field, 40> ReadOrder = {{
    {u"proz_taskbar", &Settings::proz_taskbar},
    {u"net_taskbar", &Settings::net_taskbar},
    {u"armed", &Settings::armed},
    {u"type", &Settings::type},
    {u"process", &Settings::process},
    {u"processpercent", &Settings::processpercent},
    {u"time", &Settings::time},
    {u"customtime", &Settings::customtime},
    {u"networkcard", &Settings::networkcard},
    {u"startwithwindows", &Settings::startwithwindows},
    {u"startminimized", &Settings::startminimized},
    {u"Enabelafterrestart", &Settings::Enabelafterrestart},
    {u"submethod", &Settings::submethod},
    {u"Stunde", &Settings::Stunde},
    {u"Minute", &Settings::Minute},
    {u"Sekunde", &Settings::Sekunde},
    {u"DayofMonth", &Settings::DayofMonth},
    {u"Montag", &Settings::Montag},
    {u"Dienstag", &Settings::Dienstag},
    {u"Mittwoch", &Settings::Mittwoch},
    {u"Donnerstag", &Settings::Donnerstag},
    {u"Freitag", &Settings::Freitag},
    {u"Samstag", &Settings::Samstag},
    {u"Sonntag", &Settings::Sonntag},
    {u"Fprocess", &Settings::Fprocess},
    {u"Fkey", &Settings::Fkey},
    {u"Fnet", &Settings::Fnet},
    {u"fproz", &Settings::fproz},
    {u"ftime", &Settings::ftime},
    {u"fmaxdaempfung", &Settings::fmaxdaempfung},
    {u"fexeafter", &Settings::fexeafter},
    {u"fexemethod", &Settings::fexemethod},
    {u"fexepath", &Settings::fexepath},
    {u"fexeparam", &Settings::fexeparam},
    {u"processormethod", &Settings::processormethod},
    {u"FullscreenCountdown", &Settings::FullscreenCountdown},
    {u"Daempfung", &Settings::Daempfung},
    {u"Language", &Settings::Language},
    {u"KeepAwake", &Settings::KeepAwake},
    {u"WarnAhead", &Settings::WarnAhead},
}};

// The keys in the order they are written. fmaxdaempfung is missing on purpose: only a hand edit sets it.
constexpr std::array<QStringView, 39> WriteOrder = {
    u"proz_taskbar",
    u"net_taskbar",
    u"armed",
    u"type",
    u"Fprocess",
    u"Fkey",
    u"Fnet",
    u"fproz",
    u"ftime",
    u"process",
    u"processpercent",
    u"time",
    u"networkcard",
    u"startminimized",
    u"startwithwindows",
    u"Enabelafterrestart",
    u"submethod",
    u"Stunde",
    u"Minute",
    u"Sekunde",
    u"DayofMonth",
    u"Language",
    u"Montag",
    u"Dienstag",
    u"Mittwoch",
    u"Donnerstag",
    u"Freitag",
    u"Samstag",
    u"Sonntag",
    u"FullscreenCountdown",
    u"Daempfung",
    u"processormethod",
    u"fexeafter",
    u"fexemethod",
    u"fexepath",
    u"fexeparam",
    u"customtime",
    u"KeepAwake",
    u"WarnAhead",
};

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

void readField(const IniFile& ini, const Field& field, Settings& s) {
    std::visit(Overloaded{
                   [&](int Settings::*m) { s.*m = ini.readInt(Section, field.key, s.*m); },
                   [&](bool Settings::*m) { s.*m = ini.readBool(Section, field.key, s.*m); },
                   [&](QString Settings::*m) { s.*m = ini.readString(Section, field.key, s.*m); },
               },
               field.member);
}

void writeField(IniFile& ini, const Field& field, const Settings& s) {
    std::visit(Overloaded{
                   [&](int Settings::*m) { ini.writeInt(Section, field.key, s.*m); },
                   [&](bool Settings::*m) { ini.writeBool(Section, field.key, s.*m); },
                   [&](QString Settings::*m) { ini.writeValue(Section, field.key, s.*m); },
               },
               field.member);
}

const Field& fieldFor(QStringView key) {
    return *std::ranges::find_if(ReadOrder, [key](const Field& f) { return f.key == key; });
}

// The present file, whose lines a save keeps. One that is there but cannot be read stops the save:
// writing over it would lose the lines the program does not know.
QByteArray readForUpdate(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw SettingsWriteError(QStringLiteral("Cannot update \"%1\": it cannot be read: %2")
                                     .arg(QDir::toNativeSeparators(path), file.errorString()));
    return bytes;
}

} // namespace

SettingsStore::SettingsStore(QString folder) : folder_(std::move(folder)) {}

QString SettingsStore::settingsFolder(const QString& configFolder) {
    return configFolder + QStringLiteral("/ORBELAN/Vespera");
}

QString SettingsStore::filePath() const {
    return folder_ + QStringLiteral("/vsp-settings.ini");
}

bool SettingsStore::exists() const {
    return QFileInfo::exists(filePath());
}

bool SettingsStore::ensureFolder() const {
    return QDir().mkpath(folder_);
}

Settings SettingsStore::load(int defaultLanguage) const {
    QFile file(filePath());
    return parse(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), defaultLanguage);
}

void SettingsStore::save(const Settings& settings) const {
    writeFileAtomically(filePath(), update(readForUpdate(filePath()), settings));
}

Settings SettingsStore::parse(const QByteArray& bytes, int defaultLanguage) {
    Settings settings;
    settings.Language = defaultLanguage;
    const IniFile ini = IniFile::fromBytes(bytes);
    for (const Field& field : ReadOrder)
        readField(ini, field, settings);
    return settings;
}

QByteArray SettingsStore::update(const QByteArray& bytes, const Settings& settings) {
    IniFile ini = IniFile::fromBytes(bytes);
    for (const QStringView key : WriteOrder)
        writeField(ini, fieldFor(key), settings);
    return ini.toBytes();
}

} // namespace vespera
