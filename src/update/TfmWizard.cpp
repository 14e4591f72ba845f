#include "update/TfmWizard.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <utility>

namespace vespera {

TfmWizard::TfmWizard(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fmWizard"));
    setWindowTitle(QStringLiteral("Net Update"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    setFixedSize(454, 180);
    setupLayout();
}

void TfmWizard::setupLayout() {
    auto* layout = new QVBoxLayout(this);
    const auto label = [&](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        layout->addWidget(l);
        return l;
    };
    StatusLabel = label("StatusLabel");
    QFont bold = StatusLabel->font();
    bold.setBold(true);
    StatusLabel->setFont(bold);
    FileLabel = label("FileLabel");
    SourceLabel = label("SourceLabel");
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    layout->addWidget(ProgressBar1);
    DetailLabel = label("DetailLabel");
    CancelButton = new QPushButton(this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    layout->addWidget(CancelButton, 0, Qt::AlignRight);
    connect(CancelButton, &QPushButton::clicked, this, [this] { cancelPressed_ = true; });
}

void TfmWizard::setCancelText(const QString& text) {
    CancelButton->setText(text.trimmed());
}

void TfmWizard::show() {
    cancelPressed_ = false;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::show();
    QCoreApplication::processEvents();
}

void TfmWizard::hide() {
    QDialog::hide();
}

// The source is shortened in the middle of the path, so that host and file name stay readable.
void TfmWizard::setLines(const QString& status, const QString& file, const QString& source) {
    StatusLabel->setText(status);
    FileLabel->setText(file);
    SourceLabel->setText(SourceLabel->fontMetrics().elidedText(source, Qt::ElideMiddle, width() - 24));
    QCoreApplication::processEvents();
}

void TfmWizard::setPosition(int percent, const QString& detail) {
    ProgressBar1->setValue(percent);
    DetailLabel->setText(detail);
}

bool TfmWizard::cancelRequested() {
    QCoreApplication::processEvents();
    return std::exchange(cancelPressed_, false);
}

} // namespace vespera
