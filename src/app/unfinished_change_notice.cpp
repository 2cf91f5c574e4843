#include "app/unfinished_change_notice.h"

#include <QCoreApplication>

#include "app/app_log.h"
#include "app/start_dialog.h"
#include "app/start_failure.h"

namespace {

class UnfinishedText {
    Q_DECLARE_TR_FUNCTIONS(UnfinishedChange)
};

}  // namespace

RecoveryReport TellOfUnfinishedChange(const QString& dataFolder, RecoveryReport report) {
    while (report.outcome == RecoveryOutcome::Failed) {
        const QString problem = DescribeFailedRecovery(report);
        qCWarning(lcApp).noquote() << problem;
        if (!ScreenCanShowMessages()) break;
        const PopUpResponse again = ShowStartDialog(
            dataFolder, UnfinishedText::tr("Unfinished marking"),
            UnfinishedText::tr("%1\n\nTry again now?").arg(problem), 2, PopUpResponse::True);
        if (again != PopUpResponse::True) break;
        report = RecoverInterruptedMarking(dataFolder);
    }
    return report;
}
