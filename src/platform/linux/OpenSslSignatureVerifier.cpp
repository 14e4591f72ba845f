#include "platform/linux/OpenSslSignatureVerifier.h"

#include <openssl/evp.h>

namespace vespera {

namespace {

struct KeyDeleter {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct ContextDeleter {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};

const unsigned char* bytes(QByteArrayView view) {
    return reinterpret_cast<const unsigned char*>(view.data());
}

} // namespace

bool OpenSslSignatureVerifier::verify(QByteArrayView publicKey, QByteArrayView message,
                                      QByteArrayView signature) const {
    if (publicKey.size() != PublicKeySize || signature.size() != SignatureSize)
        return false;
    const std::unique_ptr<EVP_PKEY, KeyDeleter> key(EVP_PKEY_new_raw_public_key(
        EVP_PKEY_ED25519, nullptr, bytes(publicKey), static_cast<size_t>(publicKey.size())));
    const std::unique_ptr<EVP_MD_CTX, ContextDeleter> context(EVP_MD_CTX_new());
    // Ed25519 hashes inside the signature scheme: no digest is named, and the message goes in whole.
    return key && context && EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) == 1 &&
           EVP_DigestVerify(context.get(), bytes(signature), static_cast<size_t>(signature.size()),
                            bytes(message), static_cast<size_t>(message.size())) == 1;
}

std::unique_ptr<SignatureVerifier> createSignatureVerifier() {
    return std::make_unique<OpenSslSignatureVerifier>();
}

} // namespace vespera
