#include "ui/main/contents.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "platform/browser_launch.h"
#include "platform/picture_cache.h"
#include "platform/program_folder.h"
#include "platform/units.h"
#include "ui/frame/popup.h"
#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"
#include "ui/frame/ui_log.h"
#include "ui/main/about_view.h"
#include "ui/main/erase_view.h"
#include "ui/main/family_view.h"
#include "ui/main/home_view.h"
#include "ui/main/key_actions.h"
#include "ui/main/learners_view.h"
#include "ui/main/main_toolbar.h"
#include "ui/main/navigation.h"
#include "ui/main/overview_view.h"
#include "ui/main/report/report_fill.h"
#include "ui/main/report_pages.h"
#include "ui/main/report_view.h"
#include "ui/main/tab_strip.h"

namespace {
constexpr int kTitleFallback = 30;
constexpr int kToolbarButtonGap = 4;   // title strip bottom to button top
constexpr int kTabsBelowCaptions = 9;  // toolbar captions to the tabs' top
constexpr double kStripHeight = 360;   // twips
constexpr double kViewWidth = 6015, kViewHeight = 5655;
constexpr int kActivationWait = 1000;  // ms a new window may wait for the focus

SkinnedWindow::Skin MainSkin(const QString& programFolder) {
    SkinnedWindow::Skin s;
    s.style = TitleStripStyle::Main;
    s.graphicsFolder = GraphicsFolder(programFolder);
    s.iconPicture = QStringLiteral("VTicon.ico");
    s.focusFlagName = QStringLiteral("ContentsFocus");
    s.picturesWrittenLater = true;
    return s;
}
// A long file name may wrap after any of its dots (a zero-width space marks the place).
QString BreakableFileName(QString name) {
    return name.replace(QLatin1Char('.'), QStringLiteral(".\u200B"));
}
}  // namespace

Contents::Contents(const QString& programFolder, PracticeWindowFactory factory, QWidget* parent,
                   std::unique_ptr<StartUpWorker> work)
    : SkinnedWindow(MainSkin(programFolder), parent),
      m_startUpWork(work ? std::move(work) : std::make_unique<StartUpWorker>(programFolder)),
      m_session(programFolder),
      m_factory(std::move(factory)) {
    setObjectName(QStringLiteral("Contents"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    PaintGround(this, kSkinSurface);

    // Its one question offers to reset a damaged file: Enter and Escape keep the file.
    m_prompts.question = [this](const QString& title, const QString& message) {
        return PopupQuestion(*this, title, message, PopUpResponse::False);
    };
    m_prompts.warning = [this](const QString& title, const QString& message) {
        QMessageBox::warning(this, title, message);
    };
    m_prompts.notice = [this](const QString& title, const QString& message) {
        PopupNotice(*this, title, message);
    };
    buildViews();
    new MainKeyActions(*this);
}

Contents::~Contents() = default;

void Contents::buildViews() {
    const QString graphics = graphicsFolder();
    m_home = new HomeView(graphics, this);
    m_report = new ReportView(graphics, this);
    m_erase = new EraseView(graphics, this);
    m_about = new AboutView(graphics, this);
    m_tabs = new TabStrip(graphics, this);
    m_toolbar = new MainToolbar(graphics, this);

    connect(m_tabs, &TabStrip::tabClicked, this, &Contents::tabClick);
    connect(m_toolbar, &MainToolbar::slotClicked, this, &Contents::toolbarClick);
    connect(m_toolbar, &MainToolbar::pressTracked, this,
            [this](bool down) { m_session.navigation().txtPressTrack = down; });
    connect(m_home, &HomeView::topicClicked, this, &Contents::selectTopic);
    connect(m_home, &HomeView::paperClicked, this, &Contents::openPaper);
    connect(m_report, &ReportView::barClicked, this, &Contents::reportBarClick);
    connect(m_about, &AboutView::linkClicked, this, &Contents::openMakersPage);
    connect(m_erase, &EraseView::eraseConfirmed, this, &Contents::eraseConfirmed);
    buildLearnerViews();
}

std::array<MainView*, 6> Contents::views() const {
    return {m_home, m_report, m_erase, m_about, m_learnersView, m_overview};
}

QWidget* Contents::frontView() const {
    return m_front;
}

// ---------------------------------------------------------------------------------------------
// Start-up, in its fixed order.

std::optional<StartUpProblem> Contents::startUp() {
    // Skin pictures, catalogue and results files (steps 1, 4 and 5), made on the start-up's own
    // thread; nothing is shown when the folder cannot hold them. The window dresses itself in
    // the pictures while the results files are still being made.
    const SkinPictures pictures = m_startUpWork->takePictures();
    if (std::optional<StartUpProblem> problem = m_session.checkPictures(pictures.unwritten)) {
        qCWarning(lcUi) << "start-up stopped:" << problem->reason;
        return problem;
    }
    AdoptPictures(graphicsFolder(), pictures.decoded);
    loadSkin();  // 2
    m_home->loadPictures();
    m_about->loadPictures();
    m_report->loadPictures();
    m_tabs->loadPictures();
    placeWindow();  // 3
    if (std::optional<StartUpProblem> problem =
            m_session.adoptPreparedFiles(m_startUpWork->takeFiles())) {
        qCWarning(lcUi) << "start-up stopped:" << problem->reason;
        return problem;
    }
    captionWindow();  // 6 and 7

    // 9 to 11: the first defined module's tab, as if clicked, shows its Home view with topic 1.
    // A course without any module (or an unreadable catalogue) still opens on the Help tab.
    const int module = m_session.activateFirstModule();
    tabClick(module > 0 ? module : kHelpTab);
    applyLearnerSettings();
    // The keyboard starts where the learner chooses: the chosen topic (or the About link).
    m_home->focusChosenTopic();

    // Damaged files are raised once the window is up, in its own dialog; when the learner is
    // still to be asked for, once that learner's files are known.
    if (!m_askFirst) QTimer::singleShot(0, this, &Contents::offerToRestoreDamagedResults);
    return std::nullopt;
}

void Contents::placeWindow() {
    const QPixmap topLeft = piece(Piece::TopLeft)->pixmap();
    const int titleHeight = topLeft.isNull() ? kTitleFallback : topLeft.height();
    // Toolbar band under the title strip, then the tabs, then the strip, then the views.
    const int captionBottom = m_toolbar->place(titleHeight + kToolbarButtonGap);
    const int tabsTop = captionBottom + kTabsBelowCaptions;
    m_tabs->placeStrip(QRect(2, tabsTop + m_tabs->tabHeight(), Px(kViewWidth), Px(kStripHeight)));

    const QRect strip = m_tabs->stripRect();
    const int bodyTop = strip.y() + strip.height();
    const QPixmap bottom = piece(Piece::Bot)->pixmap();
    // The designed height would leave the last paper's second row below the window's edge, so
    // the window grows to hold the whole view.
    const int height =
        qMax(Px(7380), bodyTop + Px(kViewHeight) + (bottom.isNull() ? 0 : bottom.height()));
    move(Px(60), Px(60));
    // Nothing in this window can follow a new size; only the practice windows have a grip.
    setFixedSize(Px(6070), height);
    for (MainView* view : views())
        view->setGeometry(strip.x(), bodyTop, Px(kViewWidth), Px(kViewHeight));
    m_report->layoutSubViews(1);
    relayout();
}

void Contents::showEvent(QShowEvent* event) {
    SkinnedWindow::showEvent(event);
    if (std::exchange(m_shown, true)) return;
    // The program's window is activated as it appears. Drawn active from its first frame, it is
    // painted once instead of again when the activation arrives; should the window system give
    // the focus elsewhere, the inactive look follows.
    setSkinActive(true);
    QTimer::singleShot(kActivationWait, this, [this] {
        if (!isActiveWindow()) setSkinActive(false);
    });
}

void Contents::layoutContent() {
    // The views and tabs are placed once by the start-up; the frame stays in front of them.
    if (m_home) raiseFrame();
}

void Contents::captionWindow() {
    const Catalogue& catalogue = m_session.catalogue();
    std::array<QString, kModuleCount> labels;
    for (int m = 1; m <= kModuleCount; ++m) labels[size_t(m - 1)] = catalogue.module(m).label;
    m_tabs->setModules(labels);
    showLearnerName();
    m_about->setProgramName(catalogue.title);
}

// ---------------------------------------------------------------------------------------------
// Home view.

void Contents::loadModuleResults() {
    m_session.loadModuleResults();
    const ModuleResults& module = m_session.module();
    m_home->setTopics(module.topicNames, module.numberOfTopics);
    if (!m_session.navigation().RefreshLog) selectTopic(1);
}

void Contents::selectTopic(int topic) {
    if (topic < 1 || topic > kTopicCapacity) return;
    m_session.chooseTopic(topic);
    TopicChoosing(m_session.shared().TopicCount);
    m_home->Topicbuttoncolour(topic);
}

void Contents::TopicChoosing(int firstPaper) {
    const MarksRecords& marks = m_session.module().marks;
    m_home->TopicChoosing(firstPaper, marks.fse, marks.sse, m_session.shared().SubH1);
}

void Contents::RefreshContents() {
    // The program is ending: nobody will see the Home view again.
    if (m_closing) return;
    m_session.navigation().RefreshLog = true;
    loadModuleResults();
    selectTopic(m_session.chosenTopic());
    m_session.navigation().RefreshLog = false;
}

void Contents::openPaper(int offset, int take) {
    m_session.choosePaper(offset, take);
    m_practice.open(m_factory, *this, take == 1 ? 1 : 2);
}

// ---------------------------------------------------------------------------------------------
// Tabs, toolbar, views.

void Contents::tabClick(int tab) {
    if (tab < 1 || tab > kHelpTab) return;
    m_session.chooseTab(tab);
    m_tabs->raiseTab(tab);
    m_toolbar->showPage(tab == kHelpTab);
    ShowView();
}

void Contents::toolbarClick(int slot) {
    m_session.chooseToolbarSlot(slot);
    ShowView();
}

void Contents::reportBarClick(int bar) {
    m_session.chooseReportPage(bar, ReportPageCount());
    m_report->layoutSubViews(m_session.navigation().txtReportPos);
}

void Contents::placeView(MainView* view) {
    const bool focusWasInView = m_front && m_front->isAncestorOf(focusWidget());
    view->move(m_tabs->stripRect().x(), m_tabs->stripRect().bottom() + 1);
    view->show();
    view->raise();
    m_front = view;
    raiseFrame();
    // The focus follows into the new view rather than staying on a control about to be hidden,
    // and never stays on the title bar.
    if (focusWasInView || !focusWidget() || titleButtons().contains(focusWidget()))
        focusFrontView();
    // Views behind the front one are covered whole; hidden, nothing reaches what nobody sees.
    for (MainView* v : views())
        if (v != view) v->hide();
}

void Contents::focusFrontView() {
    // The learners' views chain lists and tables among their buttons: the first of the chain.
    if (const auto* family = dynamic_cast<const FamilyView*>(m_front)) {
        if (QWidget* first = family->nextInChain(nullptr, true)) {
            first->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    QAbstractButton* next = m_front ? NextFocusStop(m_front->focusStops(), nullptr, true) : nullptr;
    if (!next) next = StopEntry(m_toolbar->focusStop());
    if (next) next->setFocus(Qt::OtherFocusReason);
}

void Contents::ShowView() {
    const int tab = m_session.navigation().txtTabPos;
    switch (DispatchView(tab, m_session.navigation().txtToolBarPos)) {
        case ViewAction::Home:
            if (m_session.moduleExists(tab)) loadModuleResults();
            placeView(m_home);
            break;
        case ViewAction::Report:
            showReport();
            break;
        case ViewAction::Print:
            PrintResults(*this, m_session.reportInputs());
            break;
        case ViewAction::Close:
            CloseProgram();
            break;
        case ViewAction::About:
            placeView(m_about);
            break;
        case ViewAction::Trash:
            m_erase->setState(EraseView::State::Offer);
            placeView(m_erase);
            break;
        case ViewAction::PrinterSetup:
            PrinterSetup(*this);
            keepLearnerSettings();
            break;
        case ViewAction::None:
            break;
    }
}

void Contents::showReport() {
    m_report->fill(m_session.reportInputs());
    m_report->layoutSubViews(m_session.navigation().txtReportPos);
    placeView(m_report);
}

// ---------------------------------------------------------------------------------------------
// Keyboard.

// Tab: the toolbar, the tabs, the front view's controls, the title-bar buttons; the toolbar,
// the tabs and the topics each as one stop with the arrow keys inside.
QList<FocusStop> Contents::focusStops() const {
    QList<FocusStop> stops{m_toolbar->focusStop(), m_tabs->focusStop()};
    if (m_front) stops += m_front->focusStops();
    for (SkinnedButton* b : titleButtons()) stops.append(FocusStop{{b}});
    return stops;
}

bool Contents::focusNextPrevChild(bool next) {
    if (QWidget* inView = focusInLearnerViews(next)) {
        inView->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    QAbstractButton* target = NextFocusStop(focusStops(), focusWidget(), next);
    if (!target) return SkinnedWindow::focusNextPrevChild(next);
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Leaving, erasing, the maker's page, damaged results.

void Contents::CloseProgram() {
    m_closing = true;
    // A paper whose answers cannot be saved may be kept open by the learner: then so is this.
    if (!m_practice.close()) {
        m_closing = false;
        return;
    }
    close();
}

void Contents::closeButtonClicked() {
    CloseProgram();
}

void Contents::closeEvent(QCloseEvent* event) {
    // However the window is closed, an open practice window goes first.
    m_closing = true;
    if (!m_practice.close()) {
        m_closing = false;
        event->ignore();
        return;
    }
    keepLearnerSettings();
    SkinnedWindow::closeEvent(event);
}

void Contents::eraseConfirmed() {
    // An open paper would later write its old marks back over the erased files.
    if (!m_practice.close()) {
        m_erase->setState(EraseView::State::Offer);
        return;
    }
    m_erase->showErased(m_session.eraseAllResults());
    // The erased view has no button: the keys go on from the toolbar.
    if (focusWidget() == m_erase) focusFrontView();
}

void Contents::openMakersPage() {
    switch (OpenInBrowser(AboutView::MakersPage())) {
        case BrowserLaunch::Opened:
            break;
        case BrowserLaunch::NoBrowser:
            qCWarning(lcUi) << "no browser for" << AboutView::MakersPage();
            m_prompts.warning(tr("Browser Not Found"), tr("Could not find associated Browser"));
            break;
        case BrowserLaunch::Failed:
            qCWarning(lcUi) << "the browser did not open" << AboutView::MakersPage();
            m_prompts.warning(tr("URL Failed"), tr("Web Page not Opened"));
            break;
    }
}

void Contents::offerToRestoreDamagedResults() {
    bool restoredAny = false;
    for (const DamagedResultsFile& damaged : m_session.takeDamagedFiles()) {
        const QString name = QFileInfo(damaged.path).fileName();
        const QString what =
            damaged.issues.isEmpty() ? name : DescribeResultsIssue(name, damaged.issues.first());
        const bool reset = m_prompts.question(
            tr("Damaged results"),
            tr("Some saved results could not be read (%1). Reset that file to empty?").arg(what));
        if (reset) {
            const MainSession::Restored outcome = m_session.restoreResultsFile(damaged);
            restoredAny |= outcome.restored;
            if (!outcome.restored)
                m_prompts.notice(tr("Damaged results"),
                                 tr("%1 could not be reset (%2).").arg(name, outcome.problem));
            else if (!outcome.copy.isEmpty())
                m_prompts.notice(
                    tr("Damaged results"),
                    tr("%1 is reset to empty. A copy of it as it was is saved beside it as %2.")
                        .arg(name, BreakableFileName(QFileInfo(outcome.copy).fileName())));
            continue;
        }
        // Kept as it is: the next save rewrites it from what could be read, so its bytes as they
        // were are copied beside it first.
        QString problem;
        const QString copy = m_session.keepDamagedFile(damaged, &problem);
        if (!copy.isEmpty())
            m_prompts.notice(tr("Damaged results"),
                             tr("%1 is kept. A copy of it as it was is saved beside it as %2.")
                                 .arg(name, BreakableFileName(QFileInfo(copy).fileName())));
        else if (!problem.isEmpty())
            m_prompts.notice(tr("Damaged results"),
                             tr("%1 is kept, but no copy of it as it was could be saved beside "
                                "it (%2).")
                                 .arg(name, problem));
    }
    if (restoredAny) RefreshContents();
}
