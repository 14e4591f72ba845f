// Positions and sizes are in pixels at 96 dpi; Qt's device-independent pixels scale them with the screen.
#include "dialogs/TCustomTimeForm.h"

#include "dialogs/CustomPeriod.h"
#include "dialogs/DialogFrame.h"
#include "l10n/FormTranslator.h"
#include "l10n/LanguageDispatcher.h"
#include "l10n/TranslationResources.h"
#include "l10n/WidgetTranslationTarget.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace vespera {

TCustomTimeForm::TCustomTimeForm(int& customSeconds, LanguageDispatcher& dispatcher, QWidget* parent)
    : QDialog(parent), customSeconds_(customSeconds) {
    setObjectName(QStringLiteral("TCustomTimeForm"));
    setupDialogFrame(*this, QSize(398, 316));
    auto* information = placeDialogChild<QGroupBox>(this, "GroupBox1", QRect(12, 10, 374, 150));
    information->setTitle(QStringLiteral("Information "));
    auto* text = placeDialogChild<QLabel>(information, "Label1", QRect(12, 22, 350, 118));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TrackBar1 = placeDialogChild<QSlider>(this, "TrackBar1", QRect(0, 174, 398, 30));
    TrackBar1->setOrientation(Qt::Horizontal);
    TrackBar1->setRange(CustomSecondsMinimum, CustomSecondsMaximum);
    TrackBar1->setSingleStep(1);
    TrackBar1->setPageStep(1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(60);
    Edit1 = placeDialogChild<QLineEdit>(this, "Edit1", QRect(16, 220, 57, 22));
    placeDialogChild<QLabel>(this, "Label2", QRect(80, 223, 120, 16))->setText(QStringLiteral("Sekunden"));
    auto* confirm = placeDialogChild<QPushButton>(this, "Button1", QRect(272, 270, 110, 28));
    confirm->setText(QStringLiteral("Übernehmen"));
    // Enter in the number field takes the typed value; only the button closes the dialog.
    confirm->setAutoDefault(false);
    connect(TrackBar1, &QSlider::valueChanged, this, &TCustomTimeForm::TrackBar1Change);
    connect(Edit1, &QLineEdit::textEdited, this, &TCustomTimeForm::Edit1Change);
    connect(Edit1, &QLineEdit::returnPressed, this, &TCustomTimeForm::Edit1Return);
    connect(confirm, &QPushButton::clicked, this, &TCustomTimeForm::Button1Click);
    translator_ = createFormTranslator(*this, shippedTranslationTable(QStringLiteral("TCustomTimeForm")));
    translator_->translateForm(); // the information text is the table's German
    dispatcher.link(*translator_);
}

TCustomTimeForm::~TCustomTimeForm() = default;

void TCustomTimeForm::showEvent(QShowEvent* event) {
    FormShow();
    centreOnScreen(*this);
    QDialog::showEvent(event);
}

void TCustomTimeForm::FormShow() {
    TrackBar1->setValue(customSeconds_);
    Edit1->setText(QString::number(TrackBar1->value()));
}

void TCustomTimeForm::TrackBar1Change() {
    Edit1->setText(QString::number(TrackBar1->value()));
}

// The track bar follows a typed number at once, held within its limits. Anything else stays in the field
// while the user types, so that it can be cleared and typed anew; Enter or "Übernehmen" replace it.
void TCustomTimeForm::Edit1Change() {
    if (const std::optional<int> seconds = customPeriodOfText(Edit1->text()))
        TrackBar1->setValue(*seconds);
}

void TCustomTimeForm::Edit1Return() {
    takeFieldOrFallback();
}

void TCustomTimeForm::Button1Click() {
    takeFieldOrFallback();
    customSeconds_ = TrackBar1->value();
    accept();
}

// A field that holds no plain digit string gives 60.
void TCustomTimeForm::takeFieldOrFallback() {
    const std::optional<int> seconds = customPeriodOfText(Edit1->text());
    TrackBar1->setValue(seconds.value_or(CustomSecondsFallback));
    Edit1->setText(QString::number(TrackBar1->value()));
}

} // namespace vespera
