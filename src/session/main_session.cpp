#include "session/main_session.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "content/extract_resource.h"
#include "records/file_io.h"
#include "results/erase_results.h"
#include "results/trend_file.h"
#include "session/session_log.h"

namespace {

class SessionText {
    Q_DECLARE_TR_FUNCTIONS(MainSession)
};

QString FileName(const QString& path) {
    return QFileInfo(path).fileName();
}

// A folder, FIFO or device in the file's place holds no bytes to copy.
bool IsRegularFile(const DamagedResultsFile& damaged) {
    for (const ResultsFileIssue& issue : damaged.issues)
        if (issue.problem == ResultsProblem::NotRegularFile) return false;
    return true;
}

}  // namespace

MainSession::MainSession(const QString& programFolder)
    : m_folder(programFolder), m_resultsFolder(programFolder) {}

bool MainSession::moduleExists(int module) const {
    return IsModuleNumber(module) && m_catalogue.module(module).exists();
}

PreparedFiles PrepareResultsFiles(const QString& programFolder, const QString& resultsFolder) {
    const QString folder = resultsFolder.isEmpty() ? programFolder : resultsFolder;
    PreparedFiles files;
    files.catalogue = ReadCatalogue(programFolder);
    files.refused = FindUnwritableResultsFile(folder, files.catalogue);
    if (!files.refused) files.check = EnsureResultsFiles(folder, files.catalogue);
    return files;
}

std::optional<StartUpProblem> FindUnwritableResultsFile(const QString& folder,
                                                        const Catalogue& catalogue) {
    for (int m = 1; m <= kModuleCount; ++m) {
        if (!catalogue.module(m).exists()) continue;
        for (ResultsFile file : kAllResultsFiles) {
            const QString path = ResultsFilePath(folder, file, m, catalogue.code);
            if (FileKindAt(path) != FileKind::Regular) continue;
            if (::access(QFile::encodeName(path).constData(), W_OK) == 0) continue;
            const QString why = qt_error_string(errno);
            qCWarning(lcSession) << "results file may not be written:" << path << why;
            return StartUpProblem{folder,
                                  SessionText::tr("The results file %1 cannot be written: %2.")
                                      .arg(FileName(path), why)};
        }
    }
    return std::nullopt;
}

std::optional<StartUpProblem> MainSession::switchResultsFolder(const QString& folder) {
    // A learner's folder that went missing is made anew, as a first start makes the data folder.
    if (!QDir().mkpath(folder))
        return StartUpProblem{folder, SessionText::tr("The folder cannot be made.")};
    PreparedFiles files;
    files.catalogue = m_catalogue;
    files.refused = FindUnwritableResultsFile(folder, m_catalogue);
    if (files.refused) return files.refused;
    files.check = EnsureResultsFiles(folder, m_catalogue);
    const QString previous = std::exchange(m_resultsFolder, folder);
    if (std::optional<StartUpProblem> problem = adoptPreparedFiles(std::move(files))) {
        m_resultsFolder = previous;
        return problem;
    }
    return std::nullopt;
}

std::optional<StartUpProblem> MainSession::prepareFiles() {
    if (std::optional<StartUpProblem> problem = checkPictures(WriteGraphics(m_folder)))
        return problem;
    return adoptPreparedFiles(PrepareResultsFiles(m_folder, m_resultsFolder));
}

std::optional<StartUpProblem> MainSession::checkPictures(const QStringList& unwritten) const {
    if (unwritten.isEmpty()) return std::nullopt;
    qCWarning(lcSession) << unwritten.size() << "skin pictures not written, the first"
                         << unwritten.first();
    return StartUpProblem{m_folder,
                          SessionText::tr("The pictures of the program's windows cannot be "
                                          "written there (%1 of them, the first Graphics/%2).")
                              .arg(unwritten.size())
                              .arg(FileName(unwritten.first()))};
}

std::optional<StartUpProblem> MainSession::adoptPreparedFiles(PreparedFiles files) {
    m_catalogue = std::move(files.catalogue);
    m_shared.lblCOD = m_catalogue.code;
    if (m_catalogue.title.isEmpty() && m_catalogue.code.isEmpty())
        qCWarning(lcSession) << "the catalogue could not be read in" << m_folder;

    if (files.refused) return files.refused;
    const ResultsCheckReport& check = files.check;
    if (!check.failed.isEmpty()) {
        for (const QString& path : check.failed)
            qCWarning(lcSession) << "results file not created:" << path;
        return StartUpProblem{m_resultsFolder, SessionText::tr("The results files cannot be made there: "
                                                        "%1.")
                                            .arg(DescribeWriteError(check.firstFailure))};
    }
    m_damaged = check.damaged;
    return std::nullopt;
}

QList<DamagedResultsFile> MainSession::takeDamagedFiles() {
    return std::exchange(m_damaged, {});
}

MainSession::Restored MainSession::restoreResultsFile(const DamagedResultsFile& damaged) {
    Restored outcome;
    WriteError error;
    if (IsRegularFile(damaged)) {
        outcome.copy = KeepDamagedCopy(damaged.path, QDateTime::currentDateTime(), &error);
        if (outcome.copy.isEmpty()) {
            outcome.problem = DescribeWriteError(error);
            qCWarning(lcSession) << "not restored: no copy of" << damaged.path
                                 << "could be made:" << outcome.problem;
            return outcome;
        }
    }
    outcome.restored =
        RestoreResultsFile(m_resultsFolder, damaged.file, damaged.module, m_catalogue.code, &error);
    if (!outcome.restored) {
        outcome.problem = DescribeWriteError(error);
        qCWarning(lcSession) << "could not restore" << damaged.path << outcome.problem;
    }
    return outcome;
}

QString MainSession::keepDamagedFile(const DamagedResultsFile& damaged, QString* problem) {
    if (!IsRegularFile(damaged)) return {};
    WriteError error;
    const QString copy = KeepDamagedCopy(damaged.path, QDateTime::currentDateTime(), &error);
    if (copy.isEmpty() && problem) *problem = DescribeWriteError(error);
    return copy;
}

int MainSession::activateFirstModule() {
    int first = 0;
    for (int m = kModuleCount; m >= 1; --m)
        if (moduleExists(m)) first = m;
    if (first > 0) {
        m_shared.LChose = first;
        m_nav.txtTabPos = first;
    }
    m_nav.txtToolBarPos = 1;
    m_nav.txtReportPos = 1;
    m_shared.TopicCount = 1;
    return first;
}

void MainSession::loadModuleResults() {
    const int m = IsModuleNumber(m_shared.LChose) ? m_shared.LChose : 1;
    const CourseModule& source = m_catalogue.module(m);
    m_module.module = m;
    m_module.numberOfTopics = source.numberOfTopics;
    m_module.paperCount = source.paperCount;
    m_module.topicNames = source.topicNames;
    m_shared.TtPapersCon = source.paperCount;
    m_module.marks =
        ReadMarksFile(ResultsFilePath(m_resultsFolder, ResultsFile::Marks, m, m_shared.lblCOD),
                      source.paperCount);
}

void MainSession::chooseTopic(int topic) {
    if (topic < 1 || topic > kTopicCapacity) return;
    m_shared.TopicCount = FirstPaperOfTopic(topic);
    m_shared.SubH1 = topicName(topic);
}

int MainSession::chosenTopic() const {
    return m_shared.TopicCount >= 1 ? TopicOfPaper(m_shared.TopicCount) : 1;
}

QString MainSession::topicName(int topic) const {
    return m_module.topicNames.value(topic - 1);
}

void MainSession::choosePaper(int offset, int take) {
    m_shared.PaperNum = 100 + m_shared.TopicCount + offset;
    m_shared.TakeNum = take;
}

void MainSession::chooseTab(int tab) {
    if (tab < 1 || tab > kHelpTab) return;
    m_nav.txtTabPos = tab;
    m_nav.txtToolBarPos = 1;
    m_nav.txtReportPos = 1;
    if (IsModuleNumber(tab)) m_shared.LChose = tab;
}

void MainSession::chooseReportPage(int page, int pages) {
    if (page >= 1 && page <= pages) m_nav.txtReportPos = page;
}

QString MainSession::eraseAllResults() {
    const AllOrNothingResult erased = EraseAllResults(m_resultsFolder, m_catalogue);
    if (erased.ok()) return {};
    const QString problem = DescribeChangeFailure(erased);
    qCWarning(lcSession) << "nothing erased:" << problem;
    return problem;
}

QString MainSession::windowTitle() const {
    if (m_learnerName.isEmpty()) return m_catalogue.title;
    return SessionText::tr("%1 - %2").arg(m_catalogue.title, m_learnerName);
}

ReportInputs MainSession::reportInputs() const {
    ReportInputs in;
    in.title = windowTitle();
    in.learner = m_learnerName;
    in.numberOfTopics = m_module.numberOfTopics;
    in.paperCount = m_module.paperCount;
    in.topicNames = m_module.topicNames;
    in.fse = m_module.marks.fse;
    in.sse = m_module.marks.sse;
    in.ltm = m_module.marks.ltm;
    in.cdd = m_module.marks.cdd;
    // The reports take plain data: the trend is read here, fresh at every opening.
    in.trendScores = ReadTrendFile(ResultsFilePath(m_resultsFolder, ResultsFile::Trend,
                                                   m_shared.LChose, m_shared.lblCOD))
                         .scores;
    return in;
}
