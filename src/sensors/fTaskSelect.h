#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

class QComboBox;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class QSlider;
class QTimer;

namespace vespera {

class FileOpenDialog;
class FormTranslator;
class LanguageDispatcher;
class ProcessSource;
class StandardMessageBox;
class TProcessManager;
class WindowSource;

// What the task selection dialog needs from the program around it.
struct TaskSelectContext {
    TProcessManager* manager = nullptr;
    ProcessSource* processes = nullptr;
    WindowSource* windows = nullptr;
    LanguageDispatcher* dispatcher = nullptr;
    StandardMessageBox* messageBoxes = nullptr;
};

// "Prozess auswählen": the user picks the program whose end the process condition waits for, from the
// windows of running programs, the running processes or a file, and the processor share below which it
// counts as ended. Made once and shown modally again and again; the caller hands in the settings
// before and takes the choice after an accepted showing.
class TTaskSelectForm : public QDialog {
    Q_OBJECT
public:
    explicit TTaskSelectForm(const TaskSelectContext& context, QWidget* parent = nullptr);
    ~TTaskSelectForm() override;

    // The settings `process` and `processpercent` the next showing starts from.
    void setChoice(const QString& process, int processpercent);
    // The choice: the path and the threshold.
    QString process() const;
    int processpercent() const;

    // Rebuilds the drop-down list from the chosen source.
    void GetTasks();
    // The entries of the drop-down list.
    QStringList tasks() const;
    // The program path an entry of the list stands for; empty when no running process has it.
    QString entryPath(const QString& entry) const;
    // Sorts the list and keeps one of each group of entries that differ at most in ASCII case.
    static void RemoveDuplicates(QStringList& list);

    FileOpenDialog& openDialog() { return *OpenDialog1; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupSourceGroup();
    void setupChoiceGroup();
    void setupButtons();
    void FormShow();
    void FormClose();
    void Timer1Timer();
    void ProcessComboboxChange();
    void OpenbtnClick();
    void RBProgramClick();
    void RBProcessClick();
    void TrackBar1Change();
    void PercentEditChange();
    void selectPath(const QString& path);
    void restoreCursor();

    TaskSelectContext context_;
    std::unique_ptr<FormTranslator> translator_;
    QString process_;
    int processpercent_ = 1;
    bool programsMode_ = true;
    int refreshCounter_ = 0;
    bool waitCursor_ = false;

    QRadioButton* RBProgram = nullptr;
    QRadioButton* RBProcess = nullptr;
    QComboBox* ProcessCombobox = nullptr;
    QLineEdit* SelectedProcessEdit = nullptr;
    QProgressBar* Progressbar1_new = nullptr;
    QSlider* TrackBar1 = nullptr;
    QLineEdit* PercentEdit = nullptr;
    QTimer* Timer1 = nullptr;
    FileOpenDialog* OpenDialog1 = nullptr;
};

} // namespace vespera
