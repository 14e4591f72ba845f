#include "platform/linux/CurlFileTransfer.h"

#include <QFile>

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace vespera {

namespace {

constexpr long BlockSize = 12288;
// A server that sends nothing for this long counts as a lost connection.
constexpr long StallSeconds = 60;
constexpr long ConnectSeconds = 30;

struct Receiver {
    CURL* handle;
    QFile* file;
    const FileTransfer::Progress* progress;
    curl_off_t total = -1;
    qint64 received = 0;
    bool cancelled = false;
    bool writeFailed = false;
};

size_t receive(char* data, size_t size, size_t count, void* user) {
    auto* r = static_cast<Receiver*>(user);
    const auto length = static_cast<qint64>(size * count);
    if (r->file->write(data, length) != length) {
        r->writeFailed = true;
        return 0;
    }
    r->received += length;
    if (r->total < 0)
        curl_easy_getinfo(r->handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &r->total);
    if (*r->progress && !(*r->progress)(r->received, r->total)) {
        r->cancelled = true;
        return 0;
    }
    return static_cast<size_t>(length);
}

TransferOutcome::Status statusOf(CURLcode code, long responseCode, qint64 received) {
    using S = TransferOutcome::Status;
    switch (code) {
    case CURLE_OK:
        return S::Done;
    case CURLE_HTTP_RETURNED_ERROR:
        return responseCode == 404 ? S::NotFound : responseCode == 400 ? S::BadRequest : S::Failed;
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_FILE_COULDNT_READ_FILE:
        return S::NotFound;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
        return S::HostUnreachable;
    case CURLE_OPERATION_TIMEDOUT:
        return received > 0 ? S::ConnectionLost : S::HostUnreachable;
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_GOT_NOTHING:
        return S::ConnectionLost;
    default:
        return S::Failed;
    }
}

struct CurlDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

} // namespace

// The library and its TLS back end are set up at the first transfer, not at start-up: they hold
// megabytes of memory that only an update needs.
TransferOutcome CurlFileTransfer::fetch(const QString& address, const QString& destination,
                                        const Progress& progress) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    QFile file(destination);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {TransferOutcome::Status::Failed, file.errorString()};
    const std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    std::unique_ptr<curl_slist, ListDeleter> headers(curl_slist_append(nullptr, "Pragma: no-cache"));
    headers.reset(curl_slist_append(headers.release(), "Cache-Control: no-cache"));
    CURL* h = curl.get();
    Receiver receiver{h, &file, &progress};
    char error[CURL_ERROR_SIZE] = {};
    const QByteArray url = address.toUtf8();
    curl_easy_setopt(h, CURLOPT_URL, url.constData());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https,ftp,file");
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https,ftp");
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_USERAGENT, "Net Update");
    curl_easy_setopt(h, CURLOPT_BUFFERSIZE, BlockSize);
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(h, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, ConnectSeconds);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, StallSeconds);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, receive);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &receiver);
    const CURLcode code = curl_easy_perform(h);
    long responseCode = 0;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &responseCode);
    file.close();
    TransferOutcome outcome{statusOf(code, responseCode, receiver.received),
                            QString::fromUtf8(*error ? error : curl_easy_strerror(code))};
    if (receiver.cancelled)
        outcome.status = TransferOutcome::Status::Cancelled;
    else if (receiver.writeFailed)
        outcome = {TransferOutcome::Status::Failed, file.errorString()};
    if (outcome.status != TransferOutcome::Status::Done)
        file.remove();
    return outcome;
}

std::unique_ptr<FileTransfer> createFileTransfer() {
    return std::make_unique<CurlFileTransfer>();
}

} // namespace vespera
