#pragma once
// Contents: the main window. Its load is the program's start-up; it displays the state the
// session keeps (the catalogue, the active module's results, the values the windows share) and
// shows one view at a time (Home, Report, Erase, About) chosen with the tabs, the toolbar and
// their keys.

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "session/learner_list.h"
#include "session/learner_settings.h"
#include "session/main_session.h"
#include "ui/frame/contents_channel.h"
#include "ui/frame/key_navigation.h"
#include "ui/frame/practice_launcher.h"
#include "ui/frame/skinned_window.h"
#include "ui/main/practice_slot.h"
#include "ui/main/start_up_work.h"

class AboutView;
class EraseView;
class HomeView;
class LearnersView;
class OverviewView;
class MainView;
class MainToolbar;
class ReportView;
class TabStrip;

class Contents : public SkinnedWindow, public ContentsChannel {
    Q_OBJECT
  public:
    // Where the main window's questions and warnings go: by default the program's pop-up dialog
    // and, for the browser, a system warning box. Tests replace them.
    struct Prompts {
        // Yes: true. No is the answer Enter and Escape give.
        std::function<bool(const QString& title, const QString& message)> question;
        std::function<void(const QString& title, const QString& message)> warning;
        std::function<void(const QString& title, const QString& message)> notice;  // OK
        // "Who is practising?": the learner chosen (Enter gives `byDefault`), -1 for nobody.
        std::function<int(const QStringList& names, int byDefault)> whoIsPractising;
        // A file to write to, `suggested` offered; empty when cancelled.
        std::function<QString(const QString& title, const QString& suggested,
                              const QString& filter)>
            saveFileName;
    };

    // The start-up's work on the folder's files may be begun before the window is made (main()
    // does, so that it also runs while Qt readies the window), for the same folder; otherwise
    // the window begins it.
    explicit Contents(const QString& programFolder, PracticeWindowFactory factory = {},
                      QWidget* parent = nullptr, std::unique_ptr<StartUpWorker> work = nullptr);
    ~Contents() override;

    // The start-up sequence; the window is shown by the caller afterwards, and only when no
    // problem came back (the pictures or the results files could not be written).
    std::optional<StartUpProblem> startUp();

    // ContentsChannel
    const SharedFields& sharedFields() const override { return m_session.shared(); }
    void RefreshContents() override;
    QString programFolder() const override { return m_session.programFolder(); }
    QString resultsFolder() const override { return m_session.resultsFolder(); }
    SkinnedWindow* contentsWindow() override { return this; }

    const MainSession& session() const { return m_session; }

    // What the learner does.
    void tabClick(int tab);                // 1 to 4
    void toolbarClick(int slot);           // 1 to 4
    void reportBarClick(int bar);          // 1 to 3
    void selectTopic(int topic);           // 1 to 10
    void openPaper(int offset, int take);  // slot offset 0..4, attempt 1 or 2
    void ShowView();
    // The focus to the first control of the view in front (the toolbar when it has none), as
    // after a view key.
    void focusFrontView();
    void CloseProgram();
    void openMakersPage();

    QWidget* frontView() const;

    void setPrompts(Prompts prompts) { m_prompts = std::move(prompts); }

    bool practiceWindowOpen() const { return m_practice.isOpen(); }

    // Learners (contents_learners.cpp). Before the start-up: the data folder's learners and the
    // one this start is for; with `askFirst` the start-up waits for askWhoIsPractising().
    void setLearners(LearnerList learners, int active, bool askFirst = false);
    const LearnerList& learners() const { return m_learners; }
    int activeLearner() const { return m_learner; }
    // After the start-up, before the window is shown: false when nobody was chosen.
    bool askWhoIsPractising();
    // Closes an open paper (saved silently), keeps the settings of the learner who leaves, and
    // shows the other learner's Home view. False, with a notice, when that learner's folder
    // cannot be used.
    bool switchLearner(int index);
    void showLearners();
    void showOverview();
    // CSV of the practising learner, or of every learner, to a file the parent names.
    void exportResults(bool everyLearner);
    // Prints the parent's overview through the printer form.
    void printOverview();
    // The learner's settings as they are now (where prints go, the topic chosen), written when
    // they changed.
    void keepLearnerSettings();

  protected:
    void layoutContent() override;
    void closeButtonClicked() override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void buildViews();
    std::array<MainView*, 6> views() const;
    void placeWindow();
    void captionWindow();
    void loadModuleResults();
    void TopicChoosing(int firstPaper);
    void placeView(MainView* view);
    void showReport();
    void eraseConfirmed();
    void offerToRestoreDamagedResults();
    QList<FocusStop> focusStops() const;
    void buildLearnerViews();
    void applyLearnerSettings();
    void showLearnerName();
    void learnerListChanged();
    QWidget* focusInLearnerViews(bool next) const;
    QString learnerName() const;

    std::unique_ptr<StartUpWorker> m_startUpWork;
    MainSession m_session;
    PracticeWindowFactory m_factory;
    PracticeSlot m_practice;
    TabStrip* m_tabs = nullptr;
    MainToolbar* m_toolbar = nullptr;
    HomeView* m_home = nullptr;
    ReportView* m_report = nullptr;
    EraseView* m_erase = nullptr;
    AboutView* m_about = nullptr;
    LearnersView* m_learnersView = nullptr;
    OverviewView* m_overview = nullptr;
    MainView* m_front = nullptr;
    LearnerList m_learners;
    int m_learner = 0;
    LearnerSettings m_settings;  // the practising learner's, as last read or written
    bool m_askFirst = false;
    bool m_closing = false;
    bool m_shown = false;

    Prompts m_prompts;
};
