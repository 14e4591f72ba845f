#include "app/Application.h"

#include "platform/InstanceLock.h"

#include <QApplication>
#include <QMessageBox>

namespace vespera {

int runApplication(int argc, char* argv[]) {
    QApplication app(argc, argv);
    InstanceLock lock(QStringLiteral("Vespera"));
    if (!lock.acquired()) {
        QMessageBox::information(nullptr, QString(), QStringLiteral("Vespera ist bereits gestartet!"));
        return 0;
    }
    return app.exec();
}

} // namespace vespera
