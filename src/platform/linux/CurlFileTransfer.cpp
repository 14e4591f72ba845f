#include "platform/linux/CurlFileTransfer.h"

#include "platform/linux/RuntimeLibrary.h"

#include <QFile>

#include <curl/curl.h>

#include <memory>

namespace vespera {

namespace {

constexpr long BlockSize = 12288;
// A server that sends nothing for this long counts as a lost connection.
constexpr long StallSeconds = 60;
constexpr long ConnectSeconds = 30;

// libcurl and the TLS libraries behind it are loaded at the first transfer, not at start-up: mapped and
// set up they hold megabytes of memory that only an update needs.
struct CurlLibrary {
    decltype(&curl_global_init) global_init = nullptr;
    decltype(&curl_easy_init) easy_init = nullptr;
    decltype(&curl_easy_setopt) easy_setopt = nullptr;
    decltype(&curl_easy_perform) easy_perform = nullptr;
    decltype(&curl_easy_getinfo) easy_getinfo = nullptr;
    decltype(&curl_easy_strerror) easy_strerror = nullptr;
    decltype(&curl_easy_cleanup) easy_cleanup = nullptr;
    decltype(&curl_slist_append) slist_append = nullptr;
    decltype(&curl_slist_free_all) slist_free_all = nullptr;
    QString problem; // why the library is missing; empty once it is loaded
};

const CurlLibrary& curlLibrary() {
    static const CurlLibrary library = [] {
        CurlLibrary l;
        RuntimeLibrary curl("libcurl.so.4");
        if (!(curl.bind(l.global_init, "curl_global_init") && curl.bind(l.easy_init, "curl_easy_init") &&
              curl.bind(l.easy_setopt, "curl_easy_setopt") &&
              curl.bind(l.easy_perform, "curl_easy_perform") &&
              curl.bind(l.easy_getinfo, "curl_easy_getinfo") &&
              curl.bind(l.easy_strerror, "curl_easy_strerror") &&
              curl.bind(l.easy_cleanup, "curl_easy_cleanup") &&
              curl.bind(l.slist_append, "curl_slist_append") &&
              curl.bind(l.slist_free_all, "curl_slist_free_all"))) {
            l.problem = curl.problem();
            return l;
        }
        l.global_init(CURL_GLOBAL_DEFAULT);
        return l;
    }();
    return library;
}

struct Receiver {
    const CurlLibrary* curl;
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
        r->curl->easy_getinfo(r->handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &r->total);
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
    void operator()(CURL* handle) const { curlLibrary().easy_cleanup(handle); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curlLibrary().slist_free_all(list); }
};

} // namespace

TransferOutcome CurlFileTransfer::fetch(const QString& address, const QString& destination,
                                        const Progress& progress) {
    const CurlLibrary& lib = curlLibrary();
    if (!lib.problem.isEmpty())
        return {TransferOutcome::Status::Failed, lib.problem};
    QFile file(destination);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {TransferOutcome::Status::Failed, file.errorString()};
    const std::unique_ptr<CURL, CurlDeleter> curl(lib.easy_init());
    std::unique_ptr<curl_slist, ListDeleter> headers(lib.slist_append(nullptr, "Pragma: no-cache"));
    headers.reset(lib.slist_append(headers.release(), "Cache-Control: no-cache"));
    CURL* h = curl.get();
    Receiver receiver{&lib, h, &file, &progress};
    char error[CURL_ERROR_SIZE] = {};
    const QByteArray url = address.toUtf8();
    lib.easy_setopt(h, CURLOPT_URL, url.constData());
    lib.easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https,ftp,file");
    lib.easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https,ftp");
    lib.easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    lib.easy_setopt(h, CURLOPT_USERAGENT, "Net Update");
    lib.easy_setopt(h, CURLOPT_BUFFERSIZE, BlockSize);
    lib.easy_setopt(h, CURLOPT_HTTPHEADER, headers.get());
    lib.easy_setopt(h, CURLOPT_FAILONERROR, 1L);
    lib.easy_setopt(h, CURLOPT_CONNECTTIMEOUT, ConnectSeconds);
    lib.easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    lib.easy_setopt(h, CURLOPT_LOW_SPEED_TIME, StallSeconds);
    lib.easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    lib.easy_setopt(h, CURLOPT_ERRORBUFFER, error);
    lib.easy_setopt(h, CURLOPT_WRITEFUNCTION, receive);
    lib.easy_setopt(h, CURLOPT_WRITEDATA, &receiver);
    const CURLcode code = lib.easy_perform(h);
    long responseCode = 0;
    lib.easy_getinfo(h, CURLINFO_RESPONSE_CODE, &responseCode);
    file.close();
    TransferOutcome outcome{statusOf(code, responseCode, receiver.received),
                            QString::fromUtf8(*error ? error : lib.easy_strerror(code))};
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
