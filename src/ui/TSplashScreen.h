#pragma once

#include "app/ProductIdentity.h"

#include <QWidget>

#include <memory>

namespace vespera {

class FormTranslator;
class LanguageDispatcher;
class StandardMessageBox;

// The start-up host window: created first, never shows content. It holds the product identity, the
// program-wide language dispatcher and the texts of the standard message boxes.
class TSplashScreen : public QWidget {
    Q_OBJECT
public:
    // language: the language of this run; a number out of range leaves German.
    TSplashScreen(ProductIdentity identity, int language, QWidget* parent = nullptr);
    ~TSplashScreen() override;

    const ProductIdentity& identity() const { return identity_; }
    LanguageDispatcher& dispatcher() { return *dispatcher_; }
    StandardMessageBox& messageBoxes() { return *messageBoxes_; }

private:
    ProductIdentity identity_;
    std::unique_ptr<LanguageDispatcher> dispatcher_;
    std::unique_ptr<FormTranslator> translator_;
    std::unique_ptr<StandardMessageBox> messageBoxes_;
};

} // namespace vespera
