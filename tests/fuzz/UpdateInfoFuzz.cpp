// Feeds arbitrary bytes to the update information reader: it either reads them or refuses them.
#include "update/ComponentStreamError.h"
#include "update/TnuServer.h"

#include <cstddef>
#include <cstdint>

using namespace vespera;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        TnuServer::read(bytes);
    } catch (const ComponentStreamError&) {
    }
    return 0;
}
