#pragma once

#include <QString>

#include <stdexcept>

namespace vespera {

// A component stream that cannot be read: a wrong signature, a length past the end, an unknown type
// byte, an unclosed list, or a value of the wrong kind for its property.
class ComponentStreamError : public std::runtime_error {
public:
    explicit ComponentStreamError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

} // namespace vespera
