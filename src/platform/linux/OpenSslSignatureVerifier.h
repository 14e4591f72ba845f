#pragma once

#include "platform/SignatureVerifier.h"

namespace vespera {

// Ed25519 through OpenSSL's EVP interface (the library libcurl already brings along).
class OpenSslSignatureVerifier : public SignatureVerifier {
public:
    bool verify(QByteArrayView publicKey, QByteArrayView message, QByteArrayView signature) const override;
};

} // namespace vespera
