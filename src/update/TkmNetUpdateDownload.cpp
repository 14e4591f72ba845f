#include "update/TkmNetUpdate.h"

#include "platform/FileTransfer.h"
#include "update/FormatText.h"
#include "update/SignatureCheck.h"
#include "update/UpdateDialogs.h"
#include "update/UpdateProgress.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace vespera {

// A name the server gives must stay a plain name inside the temporary folder: the file is executed.
bool TkmNetUpdate::isPlainFileName(const QString& name) {
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') && !name.contains(u"..");
}

// Downloads every offered file in order; the first that fails stops the series, and what came so far
// is deleted, with the marker that names it.
bool TkmNetUpdate::downloadAll(const TnuServer& server) {
    progress_.show();
    bool complete = true;
    for (const TServerFile& file : server.ServerFiles) {
        if (!downloadOne(server, file)) {
            complete = false;
            break;
        }
    }
    progress_.hide();
    if (!complete) {
        deleteDownloads(server);
        QFile::remove(temporaryFolder_ + QStringLiteral("Updater.upt"));
    }
    return complete;
}

bool TkmNetUpdate::downloadOne(const TnuServer& server, const TServerFile& file) {
    const QString name = file.FileName.trimmed();
    const QString address = (server.Protocol + server.FilePath + name).trimmed();
    if (!isPlainFileName(name)) {
        dialogs_.inform(UpdateDialogs::Kind::Error, slot(Caption),
                        formatText(slot(FileCorrupt), {file.FileName}));
        return false;
    }
    const QString destination = temporaryFolder_ + name;
    currentFile_ = name;
    progress_.setLines(slot(Retrieving), formatText(slot(FileLine), {name}),
                       formatText(slot(SourceLine), {address}));
    progress_.setPosition(0, QString());
    const qint64 started = QDateTime::currentMSecsSinceEpoch();
    const TransferOutcome outcome = transfer_.fetch(address, destination, [&](qint64 received, qint64 total) {
        return keepGoing(received, total, file.FileSize, started);
    });
    if (outcome.status != TransferOutcome::Status::Done) {
        reportFailure(outcome, address);
        return false;
    }
    if (QFileInfo(destination).size() != static_cast<qint64>(file.FileSize)) {
        QFile::remove(destination);
        dialogs_.inform(UpdateDialogs::Kind::Error, slot(Caption), formatText(slot(FileCorrupt), {address}));
        return false;
    }
    if (!signedByTrustedKey(address, destination))
        return false;
    writeMarker(destination);
    return true;
}

// The file counts only with a signature by a trusted key beside it on the server, named like the file
// plus ".sig"; without one it is deleted at once, and the user learns that the update was not installed
// (and why, when no signature can be checked on this system).
bool TkmNetUpdate::signedByTrustedKey(const QString& address, const QString& destination) {
    const QString signatureFile = destination + QStringLiteral(".sig");
    const TransferOutcome outcome =
        transfer_.fetch(address + QStringLiteral(".sig"), signatureFile, [](qint64 received, qint64) {
            return received <= SignatureCheck::MaxSignatureFileSize;
        });
    QFile file(signatureFile);
    const bool fetched = outcome.status == TransferOutcome::Status::Done && file.open(QIODevice::ReadOnly);
    const QByteArray text = fetched ? file.read(SignatureCheck::MaxSignatureFileSize) : QByteArray();
    file.close();
    file.remove();
    if (signature_.verifies(destination, text))
        return true;
    QFile::remove(destination);
    QString message = formatText(slot(NotVerified), {address});
    const QString reason = signature_.unavailableReason();
    if (!reason.isEmpty())
        message += QStringLiteral("\r\n") + reason;
    dialogs_.inform(UpdateDialogs::Kind::Error, slot(Caption), message);
    return false;
}

// "Updater.upt" names the downloaded file for the updater; it is written only for a verified file.
void TkmNetUpdate::writeMarker(const QString& destination) const {
    QFile marker(temporaryFolder_ + QStringLiteral("Updater.upt"));
    if (marker.open(QIODevice::WriteOnly | QIODevice::Truncate))
        marker.write((destination + QStringLiteral("\r\n")).toUtf8());
}

// Reports the progress of a block and answers whether to go on; a cancel asks first when WarnOnCancel
// is set.
bool TkmNetUpdate::keepGoing(qint64 received, qint64 total, qint64 expected, qint64 startedMs) {
    const qint64 size = expected > 0 ? expected : total;
    const qint64 elapsed = (QDateTime::currentMSecsSinceEpoch() - startedMs) / 1000;
    const qint64 remaining = received > 0 && size > received ? elapsed * (size - received) / received : 0;
    const int percent = size > 0 ? static_cast<int>(std::min<qint64>(100, received * 100 / size)) : 0;
    progress_.setPosition(
        percent, formatText(slot(ProgressLine), {elapsed / 60, elapsed % 60, remaining / 60, remaining % 60,
                                                 received / 1024.0, std::max<qint64>(size, 0) / 1024.0}));
    if (!progress_.cancelRequested())
        return true;
    return WarnOnCancel && !dialogs_.ask(slot(Caption), slot(ConfirmCancel));
}

void TkmNetUpdate::reportFailure(const TransferOutcome& outcome, const QString& address) {
    using S = TransferOutcome::Status;
    const auto error = [&](const QString& text) {
        dialogs_.inform(UpdateDialogs::Kind::Error, slot(Caption), text);
    };
    switch (outcome.status) {
    case S::NotFound:
        if (showing(UpdateMessage::mNoFile))
            error(slot(NotFound404) + address);
        break;
    case S::HostUnreachable:
        if (showing(UpdateMessage::mHostUnreachable))
            error(slot(HostUnreachable) + QStringLiteral("\r\n") + QUrl(address).host());
        break;
    case S::ConnectionLost:
        if (showing(UpdateMessage::mConnLost) && runMode != RunMode::rmSilent)
            error(slot(ConnectionLost) + address);
        break;
    case S::Failed:
        if (runMode != RunMode::rmSilent)
            error(address + QStringLiteral("\r\n") + outcome.detail);
        break;
    case S::Done:
    case S::Cancelled:
    case S::BadRequest:
        break;
    }
}

} // namespace vespera
