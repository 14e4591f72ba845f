// Positions and sizes are in pixels at 96 dpi; Qt's device-independent pixels scale them with the screen.
#include "dialogs/TCommandForm.h"

#include "dialogs/DialogFrame.h"
#include "l10n/FormTranslator.h"
#include "l10n/LanguageDispatcher.h"
#include "l10n/StandardMessageBox.h"
#include "l10n/TranslationResources.h"
#include "l10n/WidgetTranslationTarget.h"
#include "settings/Settings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vespera {

TCommandForm::TCommandForm(Settings& settings, LanguageDispatcher& dispatcher,
                           StandardMessageBox& messageBoxes, QWidget* parent)
    : QDialog(parent), settings_(settings), messageBoxes_(messageBoxes) {
    setObjectName(QStringLiteral("TCommandForm"));
    setupDialogFrame(*this, QSize(395, 313));
    CommandCheckBox = placeDialogChild<QCheckBox>(this, "CommandCheckBox", QRect(16, 16, 363, 20));
    CommandCheckBox->setText(QStringLiteral("Kommando beim Shutdown-Event ausführen"));
    setupMethodGroup();
    setupCommandGroup();
    setupButtons();
    translator_ = createFormTranslator(*this, shippedTranslationTable(QStringLiteral("TCommandForm")));
    dispatcher.link(*translator_);
}

TCommandForm::~TCommandForm() = default;

void TCommandForm::setupMethodGroup() {
    auto* group = placeDialogChild<QGroupBox>(this, "RadioGroup1", QRect(16, 44, 363, 70));
    group->setTitle(QStringLiteral("Ausführungsmethode "));
    methods_ = new QButtonGroup(this);
    const char* const captions[] = {"Nur Ausführen", "Ausführen und auf Beenden warten"};
    for (int i = 0; i < 2; ++i) {
        auto* item = placeDialogChild<QRadioButton>(group, i == 0 ? "RadioButton1" : "RadioButton2",
                                                    QRect(12, 20 + 22 * i, 339, 20));
        item->setText(QString::fromUtf8(captions[i]));
        methods_->addButton(item, i);
    }
}

void TCommandForm::setupCommandGroup() {
    auto* group = placeDialogChild<QGroupBox>(this, "GroupBox1", QRect(16, 124, 363, 128));
    group->setTitle(QStringLiteral("Angaben zum auszuführenden Kommando "));
    placeDialogChild<QLabel>(group, "Label1", QRect(12, 22, 300, 16))->setText(QStringLiteral("Kommando:"));
    CommandEdit = placeDialogChild<QLineEdit>(group, "CommandEdit", QRect(12, 40, 305, 23));
    auto* browse = placeDialogChild<QPushButton>(group, "BrowseButton", QRect(323, 38, 28, 27));
    browse->setIcon(QIcon(QStringLiteral(":/pictures/folder.svg")));
    browse->setIconSize(QSize(20, 20));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &TCommandForm::BrowseButtonClick);
    placeDialogChild<QLabel>(group, "Label2", QRect(12, 74, 300, 16))->setText(QStringLiteral("Parameter:"));
    ParamEdit = placeDialogChild<QLineEdit>(group, "ParamEdit", QRect(12, 92, 339, 23));
}

void TCommandForm::setupButtons() {
    auto* ok = placeDialogChild<QPushButton>(this, "btnOK", QRect(206, 270, 81, 27));
    ok->setText(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TCommandForm::btnOKClick);
    auto* cancel = placeDialogChild<QPushButton>(this, "btnCancel", QRect(298, 270, 81, 27));
    cancel->setText(QStringLiteral("Abbrechen"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TCommandForm::showEvent(QShowEvent* event) {
    FormShow();
    centreOnScreen(*this);
    QDialog::showEvent(event);
}

// Every opening starts from the stored values. A method other than 1 runs as "Nur Ausführen" and is
// shown as such.
void TCommandForm::FormShow() {
    CommandCheckBox->setChecked(settings_.fexeafter);
    methods_->button(settings_.fexemethod == 1 ? 1 : 0)->setChecked(true);
    CommandEdit->setText(settings_.fexepath);
    ParamEdit->setText(settings_.fexeparam);
}

void TCommandForm::BrowseButtonClick() {
    const QString file = QFileDialog::getOpenFileName(this, QString(), CommandEdit->text().trimmed());
    if (!file.isEmpty())
        CommandEdit->setText(file);
}

// The path is not checked here: a file that is missing when the watch fires launches nothing.
void TCommandForm::btnOKClick() {
    if (CommandCheckBox->isChecked() && CommandEdit->text().trimmed().isEmpty()) {
        messageBoxes_.show(this, QMessageBox::Critical, translator_->lookupText(QStringLiteral("IDS_1")));
        return;
    }
    settings_.fexeafter = CommandCheckBox->isChecked();
    settings_.fexemethod = methods_->checkedId();
    settings_.fexepath = CommandEdit->text().trimmed();
    settings_.fexeparam = ParamEdit->text().trimmed();
    accept();
}

} // namespace vespera
