#pragma once

#include "update/UpdateProgress.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace vespera {

// The progress window of the downloads: status line, current file, source address, status field, a
// bar per file and the cancel button.
class TfmWizard : public QDialog, public UpdateProgress {
    Q_OBJECT
public:
    explicit TfmWizard(QWidget* parent = nullptr);

    void setCancelText(const QString& text);

    void show() override;
    void hide() override;
    void setLines(const QString& status, const QString& file, const QString& source) override;
    void setPosition(int percent, const QString& detail) override;
    bool cancelRequested() override;

private:
    void setupLayout();

    QLabel* StatusLabel = nullptr;
    QLabel* FileLabel = nullptr;
    QLabel* SourceLabel = nullptr;
    QLabel* DetailLabel = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* CancelButton = nullptr;
    bool cancelPressed_ = false;
};

} // namespace vespera
