#include "update/SignatureCheck.h"

#include "platform/SignatureVerifier.h"

#include <QFile>

#include <algorithm>
#include <cctype>

namespace vespera {

namespace {

// The raw bytes of base64 text of exactly the given size, or nothing. White space is ignored, so that
// the text may be wrapped as the base64 tool wraps it.
QByteArray decoded(QByteArray text, qsizetype size) {
    text.removeIf([](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; });
    const auto result = QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    return result && result.decoded.size() == size ? result.decoded : QByteArray();
}

} // namespace

SignatureCheck::SignatureCheck(const SignatureVerifier& verifier, const QByteArray& builtInKey)
    : verifier_(verifier) {
    addKeys(builtInKey);
}

void SignatureCheck::addKeys(const QByteArray& keyFileText) {
    for (const QByteArray& line : keyFileText.split('\n')) {
        const QByteArray key = decoded(line, SignatureVerifier::PublicKeySize);
        if (!key.isEmpty())
            keys_ << key;
    }
}

bool SignatureCheck::verifies(const QString& file, const QByteArray& signatureText) const {
    const QByteArray signature = decoded(signatureText, SignatureVerifier::SignatureSize);
    QFile content(file);
    if (signature.isEmpty() || !content.open(QIODevice::ReadOnly))
        return false;
    // A setup may be large: it is mapped rather than read, and an empty file maps to nothing.
    const qint64 size = content.size();
    const uchar* mapped = size > 0 ? content.map(0, size) : nullptr;
    if (size > 0 && !mapped)
        return false;
    const QByteArrayView message(mapped, size);
    return std::any_of(keys_.cbegin(), keys_.cend(),
                       [&](const QByteArray& key) { return verifier_.verify(key, message, signature); });
}

QString SignatureCheck::unavailableReason() const {
    return verifier_.unavailableReason();
}

} // namespace vespera
