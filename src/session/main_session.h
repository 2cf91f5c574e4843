#pragma once
// What the main window knows and does without any widget: the start-up's files (skin pictures,
// catalogue, results files and the damaged ones among them), the active module's results, the
// chosen topic and paper, the navigation values, and erasing. The main window only displays it.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "content/catalogue.h"
#include "records/record_file.h"
#include "reports/report_inputs.h"
#include "results/marks_file.h"
#include "results/results_files.h"
#include "session/shared_fields.h"

// Why the program cannot start in its data folder: the folder and the reason, for the learner.
struct StartUpProblem {
    QString path;
    QString reason;
};

// The start-up's catalogue and results files, read and made without any state so that the work
// may run on another thread while the window is built. It follows the skin pictures
// (WriteGraphics) and is done only when all of them were written.
struct PreparedFiles {
    Catalogue catalogue;
    ResultsCheckReport check;
    std::optional<StartUpProblem> refused;  // a results file there may not be written
};
// The catalogue through the program folder; the results files in `resultsFolder` (the
// learner's, the program folder itself when empty). Nothing is made or changed in a folder
// whose results files may not all be written.
PreparedFiles PrepareResultsFiles(const QString& programFolder,
                                  const QString& resultsFolder = QString());

// The first results file of a defined module in `folder` that is there but may not be written
// (read-only, or not the program's to write), with the system's reason.
std::optional<StartUpProblem> FindUnwritableResultsFile(const QString& folder,
                                                        const Catalogue& catalogue);

// The active module as last loaded.
struct ModuleResults {
    int module = 0;  // 0 while none is loaded
    int numberOfTopics = 0;
    int paperCount = 0;
    QStringList topicNames;
    MarksRecords marks;  // paperCount entries in each list
};

class MainSession {
  public:
    explicit MainSession(const QString& programFolder);

    const QString& programFolder() const { return m_folder; }
    // Where the practising learner's results files are: the program folder itself for the first
    // learner, a folder of the learner's own for the others.
    const QString& resultsFolder() const { return m_resultsFolder; }
    // The practising learner's name, shown once there are two learners or more (empty before).
    void setLearnerName(const QString& name) { m_learnerName = name; }
    const QString& learnerName() const { return m_learnerName; }
    // The program's title, and the learner's name after it when there is one to show.
    QString windowTitle() const;
    // Before the start-up: the folder its results files are checked and made in.
    void useResultsFolder(const QString& folder) { m_resultsFolder = folder; }
    // Another learner's folder: the files are checked and made there as at start-up, and the
    // module's results read again. A problem leaves the session on its folder.
    std::optional<StartUpProblem> switchResultsFolder(const QString& folder);
    const Catalogue& catalogue() const { return m_catalogue; }
    bool moduleExists(int module) const;

    // The start-up's work on files, in its order: the skin pictures, the catalogue, the results
    // files of every defined module. A problem means the program cannot work in this folder; a
    // catalogue that cannot be read only leaves every module undefined.
    std::optional<StartUpProblem> prepareFiles();
    // The same in its two steps, with the work on the files done elsewhere: the skin pictures
    // that could not be written (WriteGraphics), then what PrepareResultsFiles found and made.
    std::optional<StartUpProblem> checkPictures(const QStringList& unwritten) const;
    std::optional<StartUpProblem> adoptPreparedFiles(PreparedFiles files);

    // Results files found damaged at start-up, handed over once for the learner to decide on.
    QList<DamagedResultsFile> takeDamagedFiles();
    // Brings a damaged file back to its template, its bytes first copied beside it under the
    // dated name a kept file gets (KeepDamagedCopy), so whatever could still be read survives the
    // reset. Not restored (logged) when the copy or the template could not be written.
    struct Restored {
        bool restored = false;
        QString copy;  // the copy's path; empty when there was no file to copy (a FIFO, a folder)
        // Not restored: which file could not be written and why.
        QString problem;
    };
    Restored restoreResultsFile(const DamagedResultsFile& damaged);
    // For a damaged file the learner keeps: copies its bytes beside it under a dated name and
    // returns that copy's path; empty when there is nothing to copy (not a regular file) or the
    // copy could not be written (logged, and `problem` says why).
    QString keepDamagedFile(const DamagedResultsFile& damaged, QString* problem = nullptr);

    // Makes the first defined module active (LChose and txtTabPos) and the navigation values
    // their defaults. 0 when no module is defined.
    int activateFirstModule();

    // Reads the catalogue values and the marks file of module LChose; TtPapersCon follows.
    void loadModuleResults();
    const ModuleResults& module() const { return m_module; }

    // Topic t (1 to kTopicCapacity): TopicCount its first paper (FirstPaperOfTopic) and SubH1 its
    // name. The chosen topic from TopicCount.
    void chooseTopic(int topic);
    int chosenTopic() const;
    QString topicName(int topic) const;  // empty outside the module's topics

    // Stored scores of paper index i (1-based), empty when none.
    QString firstScore(int paperIndex) const { return m_module.marks.fse.value(paperIndex - 1); }
    QString secondScore(int paperIndex) const { return m_module.marks.sse.value(paperIndex - 1); }

    // Paper slot `offset` (0 to 4) of the chosen topic for attempt `take`: PaperNum and TakeNum.
    void choosePaper(int offset, int take);

    // Navigation: a tab (a module's or kHelpTab) resets the toolbar slot and the report page, and
    // a module tab makes its module active; a toolbar slot; a report page (1 to `pages`).
    void chooseTab(int tab);
    void chooseToolbarSlot(int slot) { m_nav.txtToolBarPos = slot; }
    void chooseReportPage(int page, int pages);

    // Every defined module's six files back to their templates, all of them or none. Empty text
    // when all were erased; otherwise, for the learner, which file could not be written and why
    // (every file then holds what it held).
    QString eraseAllResults();

    // The active module's figures for the reports and the printed table.
    ReportInputs reportInputs() const;

    SharedFields& shared() { return m_shared; }
    const SharedFields& shared() const { return m_shared; }
    Navigation& navigation() { return m_nav; }
    const Navigation& navigation() const { return m_nav; }

  private:
    QString m_folder;
    QString m_resultsFolder;
    QString m_learnerName;
    Catalogue m_catalogue;
    QList<DamagedResultsFile> m_damaged;
    ModuleResults m_module;
    SharedFields m_shared;
    Navigation m_nav;
};
