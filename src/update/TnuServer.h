#pragma once

#include "update/TServerFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

namespace vespera {

struct StreamProperty;

enum class UpgradeMethod { umSelfUpgrade, umUseExternalSetup, umRedirectToURL };
enum class MiscFilesUpgrade { mfuAlwaysDownload, mfuOnlyIfSizeDifferent };

// The update information the server publishes: which files to fetch, from where, and which version
// they make.
struct TnuServer {
    QList<TServerFile> ServerFiles;
    QString Protocol;
    QString FilePath;
    std::int32_t Port = 0;
    bool Login = false;
    QString UserID;
    QString Password;
    QString VersionDate;
    QString VersionNumber;
    QString UpgradeMsg;
    UpgradeMethod upgradeMethod = UpgradeMethod::umSelfUpgrade;
    QString ExeFile;
    QString ExtractParams;
    std::uint32_t ExitCode = 0;
    bool CloseNetUpdate = false;
    MiscFilesUpgrade miscFilesUpgrade = MiscFilesUpgrade::mfuAlwaysDownload;
    QString SecurityCode;

    // Reads an update-information stream of one TnuServer object. Properties it does not know are
    // skipped; a damaged stream, another class or a value of the wrong kind raises
    // ComponentStreamError.
    static TnuServer read(const QByteArray& stream);

private:
    void assign(const StreamProperty& property);
};

} // namespace vespera
