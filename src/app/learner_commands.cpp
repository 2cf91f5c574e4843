#include "app/learner_commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "app/app_log.h"
#include "content/catalogue.h"
#include "session/learner_list.h"
#include "session/learner_results.h"

namespace {

class CommandText {
    Q_DECLARE_TR_FUNCTIONS(LearnerCommands)
};

// The catalogue goes through a file of its own; the data folder is not touched.
Catalogue CatalogueAside() {
    QTemporaryDir scratch;
    if (!scratch.isValid()) return {};
    return ReadCatalogue(scratch.path());
}

int Refuse(const QString& message) {
    qCWarning(lcApp).noquote() << message;
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return 1;
}

}  // namespace

int PrintLearners(const QString& dataFolder) {
    for (const QString& name : LearnerList::load(dataFolder).names())
        std::printf("%s\n", name.toUtf8().constData());
    return 0;
}

int ExportLearners(const QString& dataFolder, const QString& learner, const QString& file) {
    const LearnerList learners = LearnerList::load(dataFolder);
    QList<LearnerFolder> chosen;
    for (int i = 0; i < learners.count(); ++i)
        chosen.append({learners.learners()[i].name, learners.folderOf(i)});
    if (!learner.isEmpty()) {
        const int index = learners.indexOf(learner);
        if (index < 0)
            return Refuse(CommandText::tr("There is no learner called %1 in %2.")
                              .arg(learner, QDir::toNativeSeparators(dataFolder)));
        chosen = {chosen[index]};
    }
    const Catalogue catalogue = CatalogueAside();
    if (FirstDefinedModule(catalogue) == 0)
        return Refuse(CommandText::tr("The program's course could not be read."));
    if (!ExportResultsCsv(file, catalogue, chosen))
        return Refuse(CommandText::tr("The file %1 could not be written.")
                          .arg(QDir::toNativeSeparators(file)));
    return 0;
}
