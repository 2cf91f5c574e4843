#pragma once
// Contents: the main window. Its load is the program's start-up; it holds the catalogue, the
// active module's marks lists and the fields the other windows share, and it shows one view at a
// time (Home, Report, Erase, About) chosen with the tabs and the toolbar.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

#include "content/catalogue.h"
#include "reports/report_inputs.h"
#include "ui/frame/contents_channel.h"
#include "ui/frame/practice_launcher.h"
#include "ui/frame/skinned_window.h"

class QTimer;
class AboutView;
class EraseView;
class HomeView;
class PictureButton;
class ReportView;

class Contents : public SkinnedWindow, public ContentsChannel {
    Q_OBJECT
  public:
    // A notice to the learner: (title, message). A question: true for Yes.
    using NoticeSink = std::function<void(const QString&, const QString&)>;
    using QuestionSink = std::function<bool(const QString&, const QString&)>;

    explicit Contents(const QString& programFolder, PracticeWindowFactory factory = {},
                      QWidget* parent = nullptr);
    ~Contents() override;

    // The start-up sequence; the window is shown by the caller afterwards.
    void startUp();

    // ContentsChannel
    const SharedFields& sharedFields() const override { return m_shared; }
    void RefreshContents() override;
    QString programFolder() const override { return m_folder; }
    SkinnedWindow* contentsWindow() override { return this; }

    // The main window's own navigation state.
    struct Navigation {
        bool RefreshLog = false;     // a refresh keeps the chosen topic
        int txtTabPos = 1;           // tab chosen last, 1 to 4
        int txtToolBarPos = 0;       // toolbar slot chosen last, 1 to 4
        int txtReportPos = 1;        // report sub-view open, 1 to 3
        bool txtPressTrack = false;  // a toolbar button is held down
    };
    const Navigation& navigation() const { return m_nav; }

    // What the learner does.
    void tabClick(int tab);                // 1 to 4
    void toolbarClick(int slot);           // 1 to 4
    void reportBarClick(int bar);          // 1 to 3
    void selectTopic(int topic);           // 1 to 10
    void openPaper(int offset, int take);  // slot offset 0..4, attempt 1 or 2
    void ShowView();
    void CloseProgram();
    void openMakersPage();

    // One tick of the hover poll for a cursor at `globalCursor`.
    void hoverPoll(QPoint globalCursor);

    // The marks lists of the active module, as last loaded.
    const QStringList& firstScores() const { return m_fse; }
    const QStringList& secondScores() const { return m_sse; }
    const Catalogue& catalogue() const { return m_catalogue; }
    ReportInputs reportInputs() const;
    QWidget* frontView() const { return m_front; }

    // Where messages go; by default the program's pop-up dialog and, for the browser, a system
    // warning box. Tests replace them.
    void setNoticeSink(NoticeSink sink) { m_notice = std::move(sink); }
    void setQuestionSink(QuestionSink sink) { m_question = std::move(sink); }
    void setWarningSink(NoticeSink sink) { m_warning = std::move(sink); }

    void setPracticeWindowFactory(PracticeWindowFactory factory) { m_factory = std::move(factory); }
    bool practiceWindowOpen() const { return m_practiceWidget && m_practiceWidget->isVisible(); }

  protected:
    void layoutContent() override;
    void closeButtonClicked() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void loadMainPictures();
    void placeWindow();
    void captionWindow();
    void placeTabStrip();
    void loadModuleResults();
    void TopicChoosing(int firstPaper);
    void raiseTab(int tab);
    void placeView(QWidget* view);
    void showReport();
    void closePracticeWindow();
    void offerToRestoreDamagedResults();

    QString m_folder;
    QString m_graphics;
    PracticeWindowFactory m_factory;
    Catalogue m_catalogue;
    QStringList m_damagedFiles;  // file names found damaged at start-up
    SharedFields m_shared;
    Navigation m_nav;

    // The active module as last loaded.
    int m_topicCount = 0;
    int m_paperCount = 0;
    QStringList m_topicNames;
    QStringList m_fse, m_sse, m_ltm, m_cdd, m_fst, m_sst;

    PictureButton* m_tabs[4] = {};
    QLabel* m_tabCaptions[4] = {};
    PictureButton* m_toolbar[4] = {};
    QLabel* m_toolbarCaptions[4] = {};
    QWidget* m_tabStrip = nullptr;
    QWidget* m_stripLine = nullptr;
    HomeView* m_home = nullptr;
    ReportView* m_report = nullptr;
    EraseView* m_erase = nullptr;
    AboutView* m_about = nullptr;
    QWidget* m_front = nullptr;
    QTimer* m_timer = nullptr;

    QPointer<QWidget> m_practiceWidget;
    PracticeWindowHandle* m_practice = nullptr;
    bool m_closing = false;

    NoticeSink m_notice;
    QuestionSink m_question;
    NoticeSink m_warning;
};
