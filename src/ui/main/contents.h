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
        std::function<bool(const QString& title, const QString& message)> question;  // Yes: true
        std::function<void(const QString& title, const QString& message)> warning;
        std::function<void(const QString& title, const QString& message)> notice;  // OK
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

  protected:
    void layoutContent() override;
    void closeButtonClicked() override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void buildViews();
    std::array<MainView*, 4> views() const;
    void placeWindow();
    void captionWindow();
    void loadModuleResults();
    void TopicChoosing(int firstPaper);
    void placeView(MainView* view);
    void showReport();
    void eraseConfirmed();
    void offerToRestoreDamagedResults();
    QList<FocusStop> focusStops() const;

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
    MainView* m_front = nullptr;
    bool m_closing = false;
    bool m_shown = false;

    Prompts m_prompts;
};
