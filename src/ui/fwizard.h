#pragma once

#include "ui/TimeField.h"
#include "ui/WizardChoice.h"

#include <QDialog>

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QTimer;

namespace vespera {

class FileOpenDialog;
class FormTranslator;
class LanguageDispatcher;
class StandardMessageBox;
class TProcessManager;
class TTaskSelectForm;
class WizardHost;
class WizardSummary;

// What the settings wizard needs from the program around it.
struct WizardContext {
    WizardHost* host = nullptr;
    QString title;                         // the main window's title: "Vespera V1.2.3"
    TTaskSelectForm* taskSelect = nullptr; // the running programs; absent: no program event
    TProcessManager* processManager = nullptr;
    LanguageDispatcher* dispatcher = nullptr;
    StandardMessageBox* messageBoxes = nullptr;
};

// "Vespera Einstellungsassistent": four steps that set up one watch (the kind of event, its options,
// the action with the period and five switches, a summary). Finish hands the choice to the main window,
// which applies it through its own handlers and saves; Cancel and Esc write nothing. Made once and
// shown modally again and again; each showing starts at the first step with the main window's values.
class TWizardForm : public QDialog {
    Q_OBJECT
public:
    explicit TWizardForm(const WizardContext& context, QWidget* parent = nullptr);
    ~TWizardForm() override;

    // The step shown, 0 to 3.
    int step() const;
    FileOpenDialog& openDialog() { return *OpenDialog1; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // building (fwizardPages.cpp)
    void setupFrame();
    void setupButtons();
    QWidget* setupEventPage();
    QWidget* setupOptionsPage();
    QWidget* setupProcessorTab();
    QWidget* setupNetworkTab();
    QWidget* setupTimeTab();
    void setupDaysGroup(QWidget* tab);
    QWidget* setupProgramTab();
    void setupProgramChoice(QWidget* tab);
    QWidget* setupActionPage();
    QWidget* setupSummaryPage();

    // showing and stepping
    void FormShow();
    void applyLanguage();
    void copyList(QComboBox* list, const QStringList& items, int index);
    void showStep(int step);
    void btnNextClick();
    void btnBackClick();
    void JvWizard1FinishButtonClick();
    void leaveEventPage();
    void loadTimeTab();
    void Timer1Timer();
    void restoreCursor();
    void watchProgram(const QString& path);

    // the controls of the options
    void TrackBar1Change();
    void TrackBar2Change();
    void chk1Click();
    void ProcessComboboxChange();
    void OpenbtnClick();
    void TrackBar3Change();
    void PercentEditChange();

    WizardEvent chosenEvent() const;
    WizardSchedule schedule() const;
    WizardChoice choice() const;
    QStringList switchCaptions() const;
    QString text(int number) const;

    WizardContext context_;
    std::unique_ptr<FormTranslator> translator_;
    std::unique_ptr<WizardSummary> summary_;
    int tickCounter_ = 0;
    bool waitCursor_ = false;

    QLabel* lblTitle = nullptr;
    QLabel* lblSubtitle = nullptr;
    QStackedWidget* JvWizard1 = nullptr;
    QPushButton* btnBack = nullptr;
    QPushButton* btnNext = nullptr;
    QPushButton* btnFinish = nullptr;
    QPushButton* btnCancel = nullptr;

    QGroupBox* RadioGroup1 = nullptr;
    std::array<QRadioButton*, 5> events_{};
    QTabWidget* PageControl1 = nullptr;
    std::array<QWidget*, 4> tabs_{};

    QSlider* TrackBar1 = nullptr;
    QLabel* lblCPU = nullptr;
    QComboBox* cbInterface = nullptr;
    QSlider* TrackBar2 = nullptr;
    QLabel* lblNet = nullptr;

    TimeField hour_;
    TimeField minute_;
    TimeField second_;
    QRadioButton* rbdaily = nullptr;
    QRadioButton* rbmonthly = nullptr;
    std::array<QCheckBox*, 7> days_{}; // chk1 (Monday) to chk7 (Sunday)
    QCheckBox* chkAll = nullptr;
    QComboBox* cbbmonthday = nullptr;

    QComboBox* ProcessCombobox = nullptr;
    QLineEdit* SelectedProcessEdit = nullptr;
    QProgressBar* Progressbar1_new = nullptr;
    QSlider* TrackBar3 = nullptr;
    QLineEdit* PercentEdit = nullptr;
    FileOpenDialog* OpenDialog1 = nullptr;

    QComboBox* cbAction = nullptr;
    QComboBox* cbPeriod = nullptr;
    QLabel* Label22 = nullptr;
    std::array<QCheckBox*, 5> switches_{}; // by WizardSwitch
    QPlainTextEdit* Memo1 = nullptr;

    QTimer* Timer1 = nullptr;
};

} // namespace vespera
