#pragma once

#include <QDialog>

#include <memory>

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace vespera {

class FormTranslator;
class LanguageDispatcher;
class StandardMessageBox;
struct Settings;

// The command that runs when the watch fires: whether it runs, how ("Nur Ausführen" or "Ausführen und
// auf Beenden warten"), the file and its parameters. The dialog edits the main window's settings in
// memory; storing them in the file is the main window's business.
class TCommandForm : public QDialog {
    Q_OBJECT
public:
    TCommandForm(Settings& settings, LanguageDispatcher& dispatcher, StandardMessageBox& messageBoxes,
                 QWidget* parent = nullptr);
    ~TCommandForm() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setupMethodGroup();
    void setupCommandGroup();
    void setupButtons();
    void FormShow();
    void BrowseButtonClick();
    void btnOKClick();

    Settings& settings_;
    StandardMessageBox& messageBoxes_;
    std::unique_ptr<FormTranslator> translator_;
    QCheckBox* CommandCheckBox = nullptr;
    QButtonGroup* methods_ = nullptr;
    QLineEdit* CommandEdit = nullptr;
    QLineEdit* ParamEdit = nullptr;
};

} // namespace vespera
