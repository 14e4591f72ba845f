#pragma once

#include <QDialog>

#include <memory>

class QLineEdit;
class QSlider;

namespace vespera {

class FormTranslator;
class LanguageDispatcher;

// The number of seconds the period "Benutzerdefiniert" stands for, 1 to 600, set with a track bar or
// typed. The dialog edits the main window's value in memory; "Übernehmen" stores it, Esc leaves it.
class TCustomTimeForm : public QDialog {
    Q_OBJECT
public:
    TCustomTimeForm(int& customSeconds, LanguageDispatcher& dispatcher, QWidget* parent = nullptr);
    ~TCustomTimeForm() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void TrackBar1Change();
    void Edit1Change();
    void Edit1Return();
    void Button1Click();
    void takeFieldOrFallback();

    int& customSeconds_;
    std::unique_ptr<FormTranslator> translator_;
    QSlider* TrackBar1 = nullptr;
    QLineEdit* Edit1 = nullptr;
};

} // namespace vespera
