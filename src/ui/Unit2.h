#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QPlainTextEdit;

namespace vespera {

class DesktopTools;
class FormTranslator;
class LanguageDispatcher;
class LinkLabel;
struct ProductIdentity;

// The about box: the artwork, the product's title and version, the maker's web address, the rights
// notice and a link to the maker's page on a social network. A click on the artwork, Esc or typing
// into the notice closes it.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    // The heading is the product's title, " V" and its version text, as the main window's caption.
    TAboutForm(const ProductIdentity& identity, const DesktopTools& tools, LanguageDispatcher& dispatcher,
               QWidget* parent = nullptr);
    ~TAboutForm() override;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupPicture();
    void setupHeading(const QString& heading);
    void setupWebLink();
    void setupRightsText();
    void setupSocialLink();
    QString text(const char* key) const;

    const DesktopTools& tools_;
    std::unique_ptr<FormTranslator> translator_;
    QLabel* Label1 = nullptr;
    LinkLabel* Label2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
};

} // namespace vespera
