#pragma once

#include <QByteArrayView>
#include <QString>

#include <memory>

namespace vespera {

// Checks Ed25519 signatures: the plain variant, over the whole message at once.
class SignatureVerifier {
public:
    static constexpr qsizetype PublicKeySize = 32;
    static constexpr qsizetype SignatureSize = 64;

    virtual ~SignatureVerifier() = default;
    // True when signature is the signature of message by the holder of publicKey (raw bytes). A key or
    // a signature of the wrong size never verifies.
    virtual bool verify(QByteArrayView publicKey, QByteArrayView message, QByteArrayView signature) const = 0;
    // Why no signature can be checked at all (then none verifies), or an empty string.
    virtual QString unavailableReason() const = 0;
};

// The platform's verifier.
std::unique_ptr<SignatureVerifier> createSignatureVerifier();

} // namespace vespera
