#include "app/take_over_question.h"

#include <QCoreApplication>
#include <QDir>

#include "app/data_folder.h"
#include "app/single_instance.h"
#include "app/start_dialog.h"
#include "app/start_failure.h"

namespace {

class TakeOverText {
    Q_DECLARE_TR_FUNCTIONS(TakeOver)
};

}  // namespace

bool LearnerAgreesToTakeOver(const QString& dataFolder, const QString& problem) {
    const QString lockFile = QDir::toNativeSeparators(SingleInstance::lockFilePath(dataFolder));
    if (!ScreenCanShowMessages()) {
        ReportStartFailure(DataFolderProblemText(
            dataFolder, problem + QLatin1Char(' ') +
                            TakeOverText::tr("If it has ended there, start the program on a "
                                             "screen and agree to take the folder over, or "
                                             "remove %1.")
                                .arg(lockFile)));
        return false;
    }
    return ShowStartDialog(
               dataFolder, TakeOverText::tr("Take the folder over?"),
               TakeOverText::tr(
                   "%1\n\n%2\n\nIf the program has ended on that computer (for example, the "
                   "folder was moved here from it), this computer can take the folder over. If "
                   "both use it, the learner's work can be lost.\n\nTake the folder over on this "
                   "computer?")
                   .arg(QDir::toNativeSeparators(dataFolder), problem),
               2, PopUpResponse::False) == PopUpResponse::True;
}
