#include "app/CrashReportWindow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QVBoxLayout>

namespace vespera {

CrashReportWindow::CrashReportWindow(const QString& details, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CrashReportWindow"));
    setWindowTitle(QStringLiteral("Vespera"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(
        QStringLiteral("Vespera ist auf einen Fehler gestoßen. / Vespera ran into an error."), this);
    auto* text = new QPlainTextEdit(details, this);
    text->setObjectName(QStringLiteral("Details"));
    text->setReadOnly(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(heading);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(480, 220);
}

void CrashReportWindow::report(const QString& details) {
    static QPointer<CrashReportWindow> open;
    if (open) {
        open->findChild<QPlainTextEdit*>(QStringLiteral("Details"))->appendPlainText(details);
        return;
    }
    open = new CrashReportWindow(details);
    open->show();
    open->raise();
}

} // namespace vespera
