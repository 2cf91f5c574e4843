#include "app/start_failure.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include "app/app_log.h"

namespace {

class StartFailureText {
    Q_DECLARE_TR_FUNCTIONS(StartFailure)
};

}  // namespace

bool ScreenCanShowMessages() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

void ReportStartFailure(const QString& message) {
    qCWarning(lcApp).noquote() << message;
    if (!ScreenCanShowMessages()) return;
    QMessageBox::critical(nullptr, StartFailureText::tr("Home Maths Quiz cannot start"), message);
}
