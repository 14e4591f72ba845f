#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace vespera {

class SignatureVerifier;

// Decides whether a downloaded file is signed by one of the trusted keys. A signature file holds the
// Ed25519 signature over the whole file in base64 (white space in it is ignored); a key is the 32-byte
// Ed25519 public key in base64. tools/sign-update writes both forms.
class SignatureCheck {
public:
    // The key file in the program folder: more trusted keys for a site's own update server, one a line.
    // Lines that hold no key (blank lines, comments starting with "#") are skipped.
    static constexpr const char* KeyFileName = "vsp_update.keys";
    // A signature file is never longer than this.
    static constexpr qint64 MaxSignatureFileSize = 4096;

    // builtInKey: the product's own key in base64, always trusted.
    SignatureCheck(const SignatureVerifier& verifier, const QByteArray& builtInKey);

    // Trusts the keys of a key file's text as well.
    void addKeys(const QByteArray& keyFileText);
    // True when signatureText is a signature of the file by a trusted key.
    bool verifies(const QString& file, const QByteArray& signatureText) const;
    // Why no signature can be checked at all, or an empty string.
    QString unavailableReason() const;

private:
    const SignatureVerifier& verifier_;
    QList<QByteArray> keys_;
};

} // namespace vespera
