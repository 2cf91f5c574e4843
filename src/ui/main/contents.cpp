#include "ui/main/contents.h"

#include <QCloseEvent>
#include <QCursor>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "content/extract_resource.h"
#include "platform/browser_launch.h"
#include "platform/cursor_hit.h"
#include "platform/program_folder.h"
#include "platform/units.h"
#include "records/record_file.h"
#include "results/results_files.h"
#include "ui/frame/popup.h"
#include "ui/main/about_view.h"
#include "ui/main/erase_view.h"
#include "ui/main/home_view.h"
#include "ui/main/navigation.h"
#include "ui/main/picture_button.h"
#include "ui/main/report/report_fill.h"
#include "ui/main/report_view.h"

namespace {
const QColor kChrome(244, 245, 235);
const QColor kStripLine(190, 204, 222);
const QColor kCaption(33, 52, 84);

// Fallback sizes while a picture cannot be read, so the layout stays sane.
const QSize kToolbarPicture(44, 36);
const QSize kTabPicture(96, 26);
constexpr int kTitleFallback = 30;
constexpr int kToolbarButtonGap = 4;  // band top to button top
constexpr int kCaptionHeight = 14;
constexpr int kToolbarBelowCaption = 9;
constexpr int kToolbarLeft = 14;
constexpr int kToolbarStep = 58;
constexpr double kStripHeight = 360;  // twips
constexpr double kViewWidth = 6015, kViewHeight = 5655;

QFont Arial(double points, bool bold = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void Colour(QWidget* w, QPalette::ColorRole role, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
}
}  // namespace

Contents::Contents(const QString& programFolder, PracticeWindowFactory factory, QWidget* parent)
    : SkinnedWindow(
          [&] {
              Skin s;
              s.style = TitleStripStyle::Main;
              s.graphicsFolder = GraphicsFolder(programFolder);
              s.iconPicture = QStringLiteral("VTicon.ico");
              s.focusFlagName = QStringLiteral("ContentsFocus");
              return s;
          }(),
          parent),
      m_folder(programFolder),
      m_graphics(GraphicsFolder(programFolder)),
      m_factory(std::move(factory)) {
    setObjectName(QStringLiteral("Contents"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    Colour(this, QPalette::Window, kChrome);

    m_notice = [this](const QString& title, const QString& message) {
        PopupNotice(*this, title, message);
    };
    m_question = [this](const QString& title, const QString& message) {
        return PopupQuestion(*this, title, message);
    };
    m_warning = [this](const QString& title, const QString& message) {
        QMessageBox::warning(this, title, message);
    };
    buildControls();
}

Contents::~Contents() = default;

void Contents::buildControls() {
    m_home = new HomeView(m_graphics, this);
    m_report = new ReportView(m_graphics, this);
    m_erase = new EraseView(m_graphics, this);
    m_about = new AboutView(m_graphics, this);

    // Tabs first, then the strip, so the strip covers the feet of the inactive tabs.
    for (int k = 3; k >= 0; --k) {
        m_tabs[k] = new PictureButton(QStringLiteral("Tab0%1").arg(k + 1), m_graphics, this);
        m_tabCaptions[k] = new QLabel(m_tabs[k]);
        m_tabCaptions[k]->setObjectName(QStringLiteral("Tab0%1lbl").arg(k + 1));
        m_tabCaptions[k]->setFont(Arial(9, true));
        m_tabCaptions[k]->setAlignment(Qt::AlignCenter);
        Colour(m_tabCaptions[k], QPalette::WindowText, kCaption);
        m_tabs[k]->addCaption(m_tabCaptions[k]);
        connect(m_tabs[k], &PictureButton::clicked, this, [this, k] { tabClick(k + 1); });
    }
    m_tabStrip = new QWidget(this);
    m_tabStrip->setObjectName(QStringLiteral("TabStrip"));
    m_tabStrip->setAutoFillBackground(true);
    Colour(m_tabStrip, QPalette::Window, kChrome);
    m_stripLine = new QWidget(m_tabStrip);
    m_stripLine->setAutoFillBackground(true);
    Colour(m_stripLine, QPalette::Window, kStripLine);

    for (int s = 0; s < 4; ++s) {
        m_toolbar[s] = new PictureButton(QStringLiteral("ToolBar0%1").arg(s + 1), m_graphics, this);
        m_toolbarCaptions[s] = new QLabel(this);
        m_toolbarCaptions[s]->setObjectName(QStringLiteral("lblTB0%1").arg(s + 1));
        m_toolbarCaptions[s]->setFont(Arial(8));
        m_toolbarCaptions[s]->setAlignment(Qt::AlignCenter);
        Colour(m_toolbarCaptions[s], QPalette::WindowText, kCaption);
        m_toolbar[s]->addCaption(m_toolbarCaptions[s]);
        connect(m_toolbar[s], &PictureButton::clicked, this, [this, s] { toolbarClick(s + 1); });
        connect(m_toolbar[s], &PictureButton::pressed, this,
                [this] { m_nav.txtPressTrack = true; });
        connect(m_toolbar[s], &PictureButton::released, this,
                [this] { m_nav.txtPressTrack = false; });
    }

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer, &QTimer::timeout, this, [this] { hoverPoll(QCursor::pos()); });

    connect(m_home, &HomeView::topicClicked, this, &Contents::selectTopic);
    connect(m_home, &HomeView::paperClicked, this, &Contents::openPaper);
    connect(m_report, &ReportView::barClicked, this, &Contents::reportBarClick);
    connect(m_about, &AboutView::linkClicked, this, &Contents::openMakersPage);
    connect(m_erase, &EraseView::eraseConfirmed, this, [this] {
        // An open paper would later write its old marks back over the erased files.
        closePracticeWindow();
        CreateResultsFiles(m_folder, m_catalogue);
        m_erase->setState(EraseView::State::Done);
    });
}

// ---------------------------------------------------------------------------------------------
// Start-up, in its fixed order.

void Contents::startUp() {
    WriteGraphics(m_folder);                // 1
    loadMainPictures();                     // 2
    placeWindow();                          // 3
    m_catalogue = ReadCatalogue(m_folder);  // 4

    const ResultsCheckReport check = EnsureResultsFiles(m_folder, m_catalogue);  // 5
    for (const DamagedResultsFile& damaged : check.damaged) m_damagedFiles.append(damaged.path);

    captionWindow();      // 6
    placeTabStrip();      // 7
    m_timer->start(100);  // 8

    bool activated = false;
    for (int m = 1; m <= 3 && !activated; ++m) {  // 9
        if (!m_catalogue.module(m).exists()) continue;
        m_shared.LChose = m;
        m_nav.txtTabPos = m;
        tabClick(m);
        activated = true;
    }
    // A course without any module (or an unreadable catalogue) still opens on the Help tab.
    if (!activated) tabClick(4);
    m_nav.txtToolBarPos = 1;  // 10
    m_nav.txtReportPos = 1;
    m_shared.TopicCount = 1;
    if (m_catalogue.module(m_shared.LChose).exists()) loadModuleResults();  // 11
    hoverPoll(QCursor::pos());

    // Damaged files are raised once the window is up, in its own dialog.
    if (!m_damagedFiles.isEmpty())
        QTimer::singleShot(0, this, &Contents::offerToRestoreDamagedResults);
}

void Contents::loadMainPictures() {
    loadSkin();
    m_home->loadPictures();
    m_erase->loadPictures();
    m_about->loadPictures();
    m_report->loadPictures();
    for (int k = 0; k < 4; ++k) {
        m_tabs[k]->showPicture(QStringLiteral("tabs_back_off.bmp"));
        m_tabs[k]->sizeToPicture(kTabPicture);
        m_tabCaptions[k]->setGeometry(m_tabs[k]->rect());
    }
    for (int s = 0; s < 4; ++s) {
        m_toolbar[s]->showPicture(ToolbarSlot(s + 1, false).normal);
        m_toolbar[s]->sizeToPicture(kToolbarPicture);
    }
}

void Contents::placeWindow() {
    const int titleHeight = piece(Piece::TopLeft)->pixmap().isNull()
                                ? kTitleFallback
                                : piece(Piece::TopLeft)->pixmap().height();
    // Toolbar band under the title strip, then the tabs, then the strip, then the views.
    const int buttonTop = titleHeight + kToolbarButtonGap;
    const int pictureHeight = m_toolbar[0]->height();
    const int captionTop = buttonTop + pictureHeight + 1;
    const int tabsTop = captionTop + kCaptionHeight + kToolbarBelowCaption;
    for (int s = 0; s < 4; ++s) {
        const int left = kToolbarLeft + s * kToolbarStep;
        m_toolbar[s]->move(left, buttonTop);
        const int captionWidth = qMax(m_toolbar[s]->width(), kToolbarStep - 2);
        m_toolbarCaptions[s]->setGeometry(left + (m_toolbar[s]->width() - captionWidth) / 2,
                                          captionTop, captionWidth, kCaptionHeight);
    }
    m_tabStrip->setGeometry(2, tabsTop + m_tabs[0]->height(), Px(kViewWidth), Px(kStripHeight));
    m_stripLine->setGeometry(0, m_tabStrip->height() - 10, m_tabStrip->width(), 1);

    const int bodyTop = m_tabStrip->y() + m_tabStrip->height();
    const int bottomEdge =
        piece(Piece::Bot)->pixmap().isNull() ? 0 : piece(Piece::Bot)->pixmap().height();
    // The designed height would leave the last paper's second row below the window's edge, so
    // the window grows to hold the whole view.
    const int height = qMax(Px(7380), bodyTop + Px(kViewHeight) + bottomEdge);
    move(Px(60), Px(60));
    // Nothing in this window can follow a new size; only the practice windows have a grip.
    setFixedSize(Px(6070), height);
    for (QWidget* view : {static_cast<QWidget*>(m_home), static_cast<QWidget*>(m_report),
                          static_cast<QWidget*>(m_erase), static_cast<QWidget*>(m_about)}) {
        view->setGeometry(m_tabStrip->x(), bodyTop, Px(kViewWidth), Px(kViewHeight));
    }
    m_report->layoutSubViews(1);
    relayout();
}

void Contents::layoutContent() {
    // The views and tabs are placed once by the start-up; the frame stays in front of them.
    if (m_home) raiseFrame();
}

void Contents::captionWindow() {
    for (int m = 1; m <= 3; ++m) {
        const QString label = m_catalogue.module(m).label;
        m_tabCaptions[m - 1]->setText(label);
        m_tabs[m - 1]->setTooltipEverywhere(QStringLiteral("Load ") + label +
                                            QStringLiteral(" Module"));
    }
    m_tabCaptions[3]->setText(QStringLiteral("Help"));
    m_tabs[3]->setTooltipEverywhere(QStringLiteral("Help"));
    setTitleText(m_catalogue.title);
    m_about->setProgramName(m_catalogue.title);
    m_shared.lblCOD = m_catalogue.code;
}

void Contents::placeTabStrip() {
    std::array<bool, 3> exists{};
    std::array<int, 4> widths{};
    for (int m = 1; m <= 3; ++m)
        exists[static_cast<size_t>(m - 1)] = m_catalogue.module(m).exists();
    for (int k = 0; k < 4; ++k) widths[static_cast<size_t>(k)] = m_tabs[k]->width();
    const std::array<int, 4> lefts = TabLefts(exists, widths, m_tabStrip->x());
    for (int k = 0; k < 4; ++k) {
        m_tabs[k]->move(lefts[static_cast<size_t>(k)],
                        TabTop(m_tabStrip->y(), m_tabs[k]->height(), false));
    }
    // Without any module the Help tab still gets the learner to About and Erase.
    raiseTab(m_nav.txtTabPos);
}

// ---------------------------------------------------------------------------------------------
// Home view.

void Contents::loadModuleResults() {
    int m = m_shared.LChose;
    if (m < 1 || m > 3) m = 1;
    const CourseModule& module = m_catalogue.module(m);
    m_topicCount = module.topicCount;
    m_paperCount = module.paperCount;
    m_topicNames = module.topicNames;
    m_shared.TtPapersCon = m_paperCount;

    const QString path = ResultsFilePath(m_folder, ResultsFile::Marks, m, m_shared.lblCOD);
    const int n = m_paperCount;
    m_fse = ReadRecordFields(path, QStringLiteral("FSE"), n);
    m_sse = ReadRecordFields(path, QStringLiteral("SSE"), n);
    m_ltm = ReadRecordFields(path, QStringLiteral("LTM"), n);
    m_cdd = ReadRecordFields(path, QStringLiteral("CDD"), n);
    m_fst = ReadRecordFields(path, QStringLiteral("FST"), n);
    m_sst = ReadRecordFields(path, QStringLiteral("SST"), n);

    m_home->setTopics(m_topicNames, m_topicCount);
    if (!m_nav.RefreshLog) selectTopic(1);
}

void Contents::selectTopic(int topic) {
    if (topic < 1 || topic > 10) return;
    const int first = 5 * topic - 4;
    m_shared.TopicCount = first;
    TopicChoosing(first);
    m_home->Topicbuttoncolour(topic);
}

void Contents::TopicChoosing(int firstPaper) {
    const int topic = (firstPaper + 4) / 5;
    const QString name =
        topic >= 1 && topic <= m_topicNames.size() ? m_topicNames[topic - 1] : QString();
    m_shared.SubH1 = name;
    m_home->TopicChoosing(firstPaper, m_fse, m_sse, name);
}

void Contents::RefreshContents() {
    m_nav.RefreshLog = true;
    loadModuleResults();
    const int first = m_shared.TopicCount;
    selectTopic(first >= 1 ? (first + 4) / 5 : 1);
    m_nav.RefreshLog = false;
}

void Contents::openPaper(int offset, int take) {
    const int paper = 100 + m_shared.TopicCount + offset;
    m_shared.PaperNum = paper;
    m_shared.TakeNum = take;
    closePracticeWindow();
    if (!m_factory) return;
    PracticeWindowHandle* handle = m_factory(*this, take == 1 ? 1 : 2);
    if (!handle || !handle->widget()) return;
    m_practice = handle;
    m_practiceWidget = handle->widget();
    if (!m_practiceWidget->isVisible()) m_practiceWidget->show();
}

void Contents::closePracticeWindow() {
    if (m_practiceWidget.isNull()) {
        m_practice = nullptr;
        return;
    }
    PracticeWindowHandle* handle = m_practice;
    m_practice = nullptr;
    QPointer<QWidget> widget = m_practiceWidget;
    m_practiceWidget = nullptr;
    handle->unloadWithoutAsking();
    if (widget && widget->isVisible()) widget->close();
}

// ---------------------------------------------------------------------------------------------
// Tabs, toolbar, views.

void Contents::tabClick(int tab) {
    if (tab < 1 || tab > 4) return;
    m_nav.txtTabPos = tab;
    m_nav.txtToolBarPos = 1;
    m_nav.txtReportPos = 1;
    raiseTab(tab);
    if (tab <= 3) m_shared.LChose = tab;
    ShowView();
}

void Contents::toolbarClick(int slot) {
    m_nav.txtToolBarPos = slot;
    ShowView();
}

void Contents::reportBarClick(int bar) {
    m_nav.txtReportPos = bar;
    m_report->layoutSubViews(bar);
}

void Contents::raiseTab(int tab) {
    for (int k = 3; k >= 0; --k) m_tabs[k]->raise();
    m_tabStrip->raise();
    if (tab < 1 || tab > 4) return;
    m_tabs[tab - 1]->raise();
    for (int k = 0; k < 4; ++k)
        m_tabs[k]->move(m_tabs[k]->x(), TabTop(m_tabStrip->y(), m_tabs[k]->height(), false));
    m_tabs[tab - 1]->move(m_tabs[tab - 1]->x(),
                          TabTop(m_tabStrip->y(), m_tabs[tab - 1]->height(), true));
}

void Contents::placeView(QWidget* view) {
    view->move(m_tabStrip->x(), m_tabStrip->y() + m_tabStrip->height());
    view->raise();
    m_front = view;
    raiseFrame();
}

void Contents::ShowView() {
    const int tab = m_nav.txtTabPos;
    switch (DispatchView(tab, m_nav.txtToolBarPos)) {
        case ViewAction::Home:
            if (m_catalogue.module(tab).exists()) loadModuleResults();
            placeView(m_home);
            break;
        case ViewAction::Report:
            showReport();
            break;
        case ViewAction::Print:
            PrintResults(*this, reportInputs());
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
            break;
        case ViewAction::None:
            break;
    }
}

ReportInputs Contents::reportInputs() const {
    ReportInputs in;
    in.title = m_catalogue.title;
    in.topicCount = m_topicCount;
    in.paperCount = m_paperCount;
    in.topicNames = m_topicNames;
    in.fse = m_fse;
    in.sse = m_sse;
    in.ltm = m_ltm;
    in.cdd = m_cdd;
    in.trendFilePath =
        ResultsFilePath(m_folder, ResultsFile::Trend, m_shared.LChose, m_shared.lblCOD);
    return in;
}

void Contents::showReport() {
    FillReport(m_report, reportInputs());
    m_report->layoutSubViews(m_nav.txtReportPos);
    placeView(m_report);
}

void Contents::hoverPoll(QPoint cursor) {
    const int activeTab = m_nav.txtTabPos;
    for (int k = 0; k < 4; ++k) {
        const bool hovered = CursorOver(m_tabs[k], cursor);
        const QString set =
            k + 1 == activeTab ? QStringLiteral("tabs_front_") : QStringLiteral("tabs_back_");
        m_tabs[k]->showPicture(set +
                               (hovered ? QStringLiteral("on.bmp") : QStringLiteral("off.bmp")));
    }
    const bool helpTab = activeTab == 4;
    const bool pressing = m_nav.txtPressTrack;
    for (int s = 0; s < 4; ++s) {
        const ToolbarSlotLook look = ToolbarSlot(s + 1, helpTab);
        m_toolbar[s]->setVisible(look.visible);
        m_toolbarCaptions[s]->setVisible(look.visible);
        if (!look.visible) continue;
        m_toolbarCaptions[s]->setText(look.caption);
        m_toolbar[s]->setTooltipEverywhere(look.tooltip);
        const bool hovered = CursorOver(m_toolbar[s], cursor);
        m_toolbar[s]->showPicture(hovered && pressing ? look.pressed
                                  : hovered           ? look.hovered
                                                      : look.normal);
    }
    m_erase->hover(cursor);
    m_home->hover(cursor);
}

// ---------------------------------------------------------------------------------------------
// Leaving, the maker's page, damaged results.

void Contents::CloseProgram() {
    closePracticeWindow();
    m_closing = true;
    close();
}

void Contents::closeButtonClicked() {
    CloseProgram();
}

void Contents::closeEvent(QCloseEvent* event) {
    // However the window is closed, an open practice window goes first.
    if (!m_closing) closePracticeWindow();
    m_timer->stop();
    SkinnedWindow::closeEvent(event);
}

void Contents::openMakersPage() {
    switch (OpenInBrowser(AboutView::MakersPage())) {
        case BrowserLaunch::Opened:
            break;
        case BrowserLaunch::NoBrowser:
            m_warning(QStringLiteral("Browser Not Found"),
                      QStringLiteral("Could not find associated Browser"));
            break;
        case BrowserLaunch::Failed:
            m_warning(QStringLiteral("URL Failed"), QStringLiteral("Web Page not Opened"));
            break;
    }
}

void Contents::offerToRestoreDamagedResults() {
    const QString code = m_shared.lblCOD;
    bool restoredAny = false;
    const QStringList damaged = m_damagedFiles;
    m_damagedFiles.clear();
    for (const QString& path : damaged) {
        const QString name = path.section(QLatin1Char('/'), -1);
        const bool reset =
            m_question(QStringLiteral("Damaged results"),
                       QStringLiteral("Some saved results (") + name +
                           QStringLiteral(") could not be read. Reset that file to empty?"));
        if (!reset) continue;
        for (int m = 1; m <= 3; ++m) {
            for (ResultsFile file : kAllResultsFiles) {
                if (ResultsFileName(file, m, code) == name) {
                    restoredAny |= RestoreResultsFile(m_folder, file, m, code);
                }
            }
        }
    }
    if (restoredAny) RefreshContents();
}
