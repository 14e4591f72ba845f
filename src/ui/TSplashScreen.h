#pragma once

#include "app/ProductIdentity.h"

#include <QWidget>

namespace vespera {

// The start-up host window: created first, never shows content. It holds the product identity and the
// program-wide language choice.
class TSplashScreen : public QWidget {
    Q_OBJECT
public:
    TSplashScreen(ProductIdentity identity, int language, QWidget* parent = nullptr);

    const ProductIdentity& identity() const { return identity_; }
    int language() const { return language_; }

private:
    ProductIdentity identity_;
    int language_;
};

} // namespace vespera
