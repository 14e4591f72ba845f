#include "platform/linux/OpenSslSignatureVerifier.h"

#include "platform/linux/RuntimeLibrary.h"

#include <openssl/evp.h>

namespace vespera {

struct OpenSslSignatureVerifier::Functions {
    decltype(&EVP_PKEY_new_raw_public_key) newRawPublicKey = nullptr;
    decltype(&EVP_PKEY_free) freeKey = nullptr;
    decltype(&EVP_MD_CTX_new) newContext = nullptr;
    decltype(&EVP_MD_CTX_free) freeContext = nullptr;
    decltype(&EVP_DigestVerifyInit) verifyInit = nullptr;
    decltype(&EVP_DigestVerify) verify = nullptr;
    QString problem; // why no signature can be checked; empty once every function is bound
};

namespace {

const unsigned char* bytes(QByteArrayView view) {
    return reinterpret_cast<const unsigned char*>(view.data());
}

} // namespace

OpenSslSignatureVerifier::OpenSslSignatureVerifier(const char* libraryFile) : libraryFile_(libraryFile) {}

OpenSslSignatureVerifier::~OpenSslSignatureVerifier() = default;

const OpenSslSignatureVerifier::Functions& OpenSslSignatureVerifier::functions() const {
    if (functions_)
        return *functions_;
    functions_ = std::make_unique<Functions>();
    Functions& f = *functions_;
    RuntimeLibrary crypto(libraryFile_);
    if (!(crypto.bind(f.newRawPublicKey, "EVP_PKEY_new_raw_public_key") &&
          crypto.bind(f.freeKey, "EVP_PKEY_free") && crypto.bind(f.newContext, "EVP_MD_CTX_new") &&
          crypto.bind(f.freeContext, "EVP_MD_CTX_free") &&
          crypto.bind(f.verifyInit, "EVP_DigestVerifyInit") && crypto.bind(f.verify, "EVP_DigestVerify")))
        f.problem = QStringLiteral("The signature library could not be loaded: %1").arg(crypto.problem());
    return f;
}

bool OpenSslSignatureVerifier::verify(QByteArrayView publicKey, QByteArrayView message,
                                      QByteArrayView signature) const {
    const Functions& f = functions();
    if (!f.problem.isEmpty() || publicKey.size() != PublicKeySize || signature.size() != SignatureSize)
        return false;
    const auto freeKey = [&f](EVP_PKEY* key) { f.freeKey(key); };
    const auto freeContext = [&f](EVP_MD_CTX* context) { f.freeContext(context); };
    const std::unique_ptr<EVP_PKEY, decltype(freeKey)> key(
        f.newRawPublicKey(EVP_PKEY_ED25519, nullptr, bytes(publicKey), static_cast<size_t>(publicKey.size())),
        freeKey);
    const std::unique_ptr<EVP_MD_CTX, decltype(freeContext)> context(f.newContext(), freeContext);
    // Ed25519 hashes inside the signature scheme: no digest is named, and the message goes in whole.
    return key && context && f.verifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) == 1 &&
           f.verify(context.get(), bytes(signature), static_cast<size_t>(signature.size()), bytes(message),
                    static_cast<size_t>(message.size())) == 1;
}

QString OpenSslSignatureVerifier::unavailableReason() const {
    return functions().problem;
}

std::unique_ptr<SignatureVerifier> createSignatureVerifier() {
    return std::make_unique<OpenSslSignatureVerifier>();
}

} // namespace vespera
