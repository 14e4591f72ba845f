#pragma once

#include "ui/TimeField.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTimer;

namespace vespera {

class FormTranslator;
class LanguageDispatcher;
class LocalClock;
struct Settings;

// The schedule dialog ("Zeitplaner"): the time of day of the time condition, and the weekdays or the day
// of the month it fires on. It edits the main window's settings and saves them only on "Einstellungen
// speichern"; it reloads them at every showing, so a cancelled edit leaves no trace.
class TSchedForm : public QDialog {
    Q_OBJECT
public:
    TSchedForm(Settings& settings, const LocalClock& clock, LanguageDispatcher& dispatcher,
               std::function<void()> saveToIni, QWidget* parent = nullptr);
    ~TSchedForm() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setupTimeGroup();
    void setupDaysGroup();
    void setupButtons();
    // A read-only edit with its up-down (edtHour with udHour, ...).
    static void showTime(TimeField field, int value);

    void FormShow();
    void FormActivate();
    void Timer1Timer();
    void chk1Click();
    void chkAllClick();
    void btnOKClick();
    bool everyDayChecked() const;

    Settings& settings_;
    const LocalClock& clock_;
    std::function<void()> saveToIni_;
    std::unique_ptr<FormTranslator> translator_;
    bool suppressWeekdays_ = false; // chkAll is setting the days

    QRadioButton* rbdaily = nullptr;
    QRadioButton* rbmonthly = nullptr;
    TimeField hour_;
    TimeField minute_;
    TimeField second_;
    std::array<QCheckBox*, 7> days_{}; // chk1 (Monday) to chk7 (Sunday)
    QCheckBox* chkAll = nullptr;
    QComboBox* cbbmonthday = nullptr;
    QLabel* Timelabel = nullptr;
    QTimer* Timer1 = nullptr;
};

} // namespace vespera
