#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace vespera {

// How a transfer ended.
struct TransferOutcome {
    enum class Status {
        Done,
        NotFound,        // HTTP 404, or no such file on an FTP server or on disk
        HostUnreachable, // no name resolution or no connection
        ConnectionLost,  // the connection broke or fell silent while the file came
        Cancelled,       // the progress callback asked to stop
        BadRequest,      // HTTP 400
        Failed           // anything else: detail says what
    };
    Status status = Status::Failed;
    QString detail;
};

// Fetches one file by its address (http, https, ftp or file) into a local file. A transfer that does
// not end in Done leaves no destination file behind.
class FileTransfer {
public:
    // Called after every block with the bytes received so far and the announced total (-1 when the
    // server announces none); returning false cancels the transfer.
    using Progress = std::function<bool(qint64 received, qint64 total)>;

    virtual ~FileTransfer() = default;
    virtual TransferOutcome fetch(const QString& address, const QString& destination,
                                  const Progress& progress) = 0;
};

// The platform's transfer.
std::unique_ptr<FileTransfer> createFileTransfer();

} // namespace vespera
