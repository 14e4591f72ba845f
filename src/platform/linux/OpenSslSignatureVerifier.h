#pragma once

#include "platform/SignatureVerifier.h"

namespace vespera {

// Ed25519 through OpenSSL's EVP interface (libcrypto, the library HTTPS transfers use as well). The library
// is opened at the first verification: only an update needs it, so the program does not map it at start-up.
class OpenSslSignatureVerifier : public SignatureVerifier {
public:
    // libraryFile: the library opened, searched on the library path.
    explicit OpenSslSignatureVerifier(const char* libraryFile = "libcrypto.so.3");
    ~OpenSslSignatureVerifier() override;
    OpenSslSignatureVerifier(const OpenSslSignatureVerifier&) = delete;
    OpenSslSignatureVerifier& operator=(const OpenSslSignatureVerifier&) = delete;

    bool verify(QByteArrayView publicKey, QByteArrayView message, QByteArrayView signature) const override;
    QString unavailableReason() const override;

private:
    struct Functions;
    const Functions& functions() const;

    const char* libraryFile_;
    mutable std::unique_ptr<Functions> functions_;
};

} // namespace vespera
