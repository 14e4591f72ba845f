#pragma once

#include <QByteArray>
#include <QString>

namespace vespera {

// The product title and the version text of "ver.ini" in the program folder.
struct ProductIdentity {
    QString title = QStringLiteral("Vespera");
    QString version;
    // The folder of the update information on the maker's server.
    QString updateAddress = QStringLiteral("https://update.orbelan.example/downloads/inf/");
    // The maker's Ed25519 public key (base64) that every downloaded update must be signed with.
    QByteArray updateKey = QByteArrayLiteral("eD0eym5L/KHnqv0LTlnziHRd8F8VoM6AgO5wYtZSKbI=");
};

// The first line of "ver.ini" without its first 8 characters ("Version=") and without its line end; the
// rest is kept as it stands. A missing file or a first line of fewer than 9 characters gives no version.
QString readVersionText(const QString& verIniPath);

} // namespace vespera
