#pragma once

#include <QMessageBox>
#include <QString>

#include <memory>
#include <optional>

class QWidget;

namespace vespera {

class FormTranslator;

// The program's message boxes: caption "Vespera" unless another is given, the icon of the kind, kept
// on top, modal for the whole program and brought to the foreground. Their button labels come from the
// host window's table in the active language ("&Ja", "&Nein", ... in German); where the table has no
// text, as in English, Qt's own labels apply.
class StandardMessageBox {
public:
    explicit StandardMessageBox(const FormTranslator& hostTexts);

    // A box ready to be shown.
    std::unique_ptr<QMessageBox> create(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        const QString& caption = QStringLiteral("Vespera")) const;

    // Shows a box and waits for the answer.
    QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                     QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                     const QString& caption = QStringLiteral("Vespera"));

    // The caption of a kind of box ("Warnung", "Fehler", "Informationen", "Bestätigung" in German;
    // "Warning", "Error", "Information", "Confirm" where the table has no text).
    QString kindCaption(QMessageBox::Icon icon) const;

    // Tests answer the next box through this instead of a click; it is then not shown.
    void setNextAnswer(QMessageBox::StandardButton answer) { nextAnswer_ = answer; }

private:
    const FormTranslator& texts_;
    std::optional<QMessageBox::StandardButton> nextAnswer_;
};

} // namespace vespera
