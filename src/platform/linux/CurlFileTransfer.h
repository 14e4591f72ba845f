#pragma once

#include "platform/FileTransfer.h"

namespace vespera {

// Transfers with libcurl: user agent "Net Update", reads of 12 288 bytes, no cached copies, redirects
// followed between http, https and ftp only, certificates always checked.
class CurlFileTransfer : public FileTransfer {
public:
    TransferOutcome fetch(const QString& address, const QString& destination,
                          const Progress& progress) override;
};

} // namespace vespera
