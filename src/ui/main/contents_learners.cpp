// The main window's learners: who practises, the Learners and Overview views, the export, and
// each learner's settings. Part of Contents, kept apart from its start-up and views.
#include "ui/main/contents.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>

#include "platform/print_target.h"
#include "session/learner_results.h"
#include "ui/frame/popup.h"
#include "ui/frame/skinned_button.h"
#include "ui/frame/ui_log.h"
#include "ui/main/about_view.h"
#include "ui/main/home_view.h"
#include "ui/main/learners_view.h"
#include "ui/main/main_toolbar.h"
#include "ui/main/overview_view.h"
#include "ui/main/report/print_overview.h"
#include "ui/main/report_view.h"
#include "ui/main/tab_strip.h"
#include "ui/main/who_is_practising.h"
#include "ui/print/file_names.h"
#include "ui/print/print_feedback.h"
#include "ui/print/print_notice.h"
#include "ui/print/printer_form.h"

namespace {

QString DocumentsFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QDir::homePath();
}

PrintTarget TargetOf(const LearnerSettings& settings) {
    PrintTarget target;
    target.kind = settings.saveAsPdf ? PrintTarget::Kind::Pdf : PrintTarget::Kind::Printer;
    target.printerName = settings.printer;
    for (int id = 0; id <= QPageSize::LastPageSize && !settings.pageSize.isEmpty(); ++id) {
        const auto size = QPageSize::PageSizeId(id);
        if (size != QPageSize::Custom && QPageSize::key(size) == settings.pageSize)
            target.pageSize = QPageSize(size);
    }
    target.orientation = settings.orientation == LearnerSettings::Orientation::Landscape
                             ? QPageLayout::Landscape
                             : QPageLayout::Portrait;
    return target;
}

void PutTarget(const PrintTarget& target, LearnerSettings& settings) {
    settings.saveAsPdf = target.kind == PrintTarget::Kind::Pdf;
    settings.printer = settings.saveAsPdf ? QString() : target.printerName;
    settings.pageSize =
        target.pageSize.isValid() ? QPageSize::key(target.pageSize.id()) : QString();
    settings.orientation = target.orientation == QPageLayout::Landscape
                               ? LearnerSettings::Orientation::Landscape
                               : LearnerSettings::Orientation::Portrait;
}

}  // namespace

void Contents::buildLearnerViews() {
    const QString graphics = graphicsFolder();
    m_learnersView = new LearnersView(graphics, this);
    m_overview = new OverviewView(graphics, this);
    m_learnersView->hide();
    m_overview->hide();
    // Until the start says whose results these are: the folder's first learner.
    m_learners = LearnerList::load(programFolder());
    m_session.useResultsFolder(m_learners.folderOf(0));
    m_settings = LearnerSettings::load(m_learners.folderOf(0));

    connect(m_about, &AboutView::learnersClicked, this, &Contents::showLearners);
    connect(m_report, &ReportView::exportClicked, this, [this] { exportResults(false); });
    connect(m_overview, &OverviewView::exportClicked, this, [this] { exportResults(true); });
    connect(m_overview, &OverviewView::printClicked, this, &Contents::printOverview);
    connect(m_overview, &OverviewView::backClicked, this, &Contents::showLearners);
    connect(m_learnersView, &LearnersView::overviewClicked, this, &Contents::showOverview);
    connect(m_learnersView, &LearnersView::practiseClicked, this, &Contents::switchLearner);
    connect(m_learnersView, &LearnersView::addClicked, this, [this](const QString& name) {
        const LearnerList::Change change = m_learners.add(name);
        if (change.done) {
            m_learnersView->clearTypedName();
            m_learnersView->setNote(tr("%1 is added. Choose %1 and press Practise to start.")
                                        .arg(m_learners.learners()[change.index].name));
        }
        learnerListChanged();
        if (!change.done) m_learnersView->setNote(change.problem);
    });
    connect(m_learnersView, &LearnersView::renameClicked, this,
            [this](int index, const QString& name) {
                const QString before = m_learners.learners().value(index).name;
                // The folder may move with the name: an open paper of that learner goes first.
                if (index == m_learner) m_practice.close();
                const LearnerList::Change change = m_learners.rename(index, name);
                if (change.done) {
                    m_learnersView->clearTypedName();
                    if (index == m_learner)
                        m_session.useResultsFolder(m_learners.folderOf(m_learner));
                }
                learnerListChanged();
                m_learnersView->setNote(
                    change.done
                        ? tr("%1 is now called %2.").arg(before, m_learners.learners()[index].name)
                        : change.problem);
            });
    connect(m_learnersView, &LearnersView::removeClicked, this, [this](int index) {
        const QString name = m_learners.learners().value(index).name;
        if (!m_prompts.question(tr("Remove learner"),
                                tr("Remove %1? The results of %1 are kept in the folder "
                                   "\"%2\", not deleted.")
                                    .arg(name, LearnerList::removedFolderName())))
            return;
        // The learner practising now hands over to another first.
        if (index == m_learner && !switchLearner(index == 0 ? 1 : 0)) return;
        const int practising = m_learner;
        const LearnerList::Change change = m_learners.remove(index, QDateTime::currentDateTime());
        if (change.done && index < practising) m_learner = practising - 1;
        learnerListChanged();
        m_learnersView->setNote(change.done ? tr("%1 is removed; the results are kept in %2.")
                                                  .arg(name, QDir::toNativeSeparators(change.aside))
                                            : change.problem);
        showLearners();
    });

    m_prompts.whoIsPractising = [this](const QStringList& names, int byDefault) {
        return AskWhoIsPractising(graphicsFolder(), names, byDefault);
    };
    m_prompts.saveFileName = [this](const QString& title, const QString& suggested,
                                    const QString& filter) {
        return QFileDialog::getSaveFileName(this, title,
                                            QDir(DocumentsFolder()).filePath(suggested), filter);
    };
}

void Contents::setLearners(LearnerList learners, int active, bool askFirst) {
    m_learners = std::move(learners);
    m_learner = qBound(0, active, m_learners.count() - 1);
    m_askFirst = askFirst;
    m_session.useResultsFolder(m_learners.folderOf(m_learner));
    m_session.setLearnerName(learnerName());
    m_settings = LearnerSettings::load(m_learners.folderOf(m_learner));
    if (!askFirst) m_learners.setLast(m_learner);
}

QString Contents::learnerName() const {
    // One learner: the window looks as it always did.
    return m_learners.count() > 1 ? m_learners.learners().value(m_learner).name : QString();
}

void Contents::showLearnerName() {
    m_session.setLearnerName(learnerName());
    setTitleText(m_session.windowTitle());
}

void Contents::learnerListChanged() {
    showLearnerName();
    m_learnersView->setLearners(m_learners.names(), m_learner);
}

bool Contents::askWhoIsPractising() {
    m_askFirst = false;
    const int chosen = m_prompts.whoIsPractising(m_learners.names(), m_learner);
    if (chosen < 0) return false;
    if (chosen != m_learner) {
        if (!switchLearner(chosen)) return false;
    } else {
        m_learners.setLast(chosen);
        QTimer::singleShot(0, this, &Contents::offerToRestoreDamagedResults);
    }
    return true;
}

bool Contents::switchLearner(int index) {
    if (index < 0 || index >= m_learners.count()) return false;
    const QString name = m_learners.learners()[index].name;
    // The paper open now is saved silently into the files of the learner who leaves.
    m_practice.close();
    keepLearnerSettings();
    if (const std::optional<StartUpProblem> problem =
            m_session.switchResultsFolder(m_learners.folderOf(index))) {
        qCWarning(lcUi) << "cannot practise as" << name << ":" << problem->reason;
        m_prompts.notice(tr("Learners"),
                         tr("%1 cannot practise now. %2").arg(name, problem->reason));
        return false;
    }
    m_learner = index;
    if (!m_learners.setLast(index)) qCWarning(lcUi) << "who practised last is not kept";
    m_settings = LearnerSettings::load(m_learners.folderOf(index));
    learnerListChanged();
    const int module = m_session.activateFirstModule();
    tabClick(module > 0 ? module : kHelpTab);
    applyLearnerSettings();
    m_home->focusChosenTopic();
    QTimer::singleShot(0, this, &Contents::offerToRestoreDamagedResults);
    return true;
}

void Contents::applyLearnerSettings() {
    SetSessionPrintTarget(TargetOf(m_settings));
    // A single learner's start opens on the first topic, as it always has; in a family each
    // learner comes back to the topic they left.
    const ModuleResults& module = m_session.module();
    if (m_learners.count() > 1 && m_settings.lastTopic > 1 &&
        m_settings.lastTopic <= module.numberOfTopics &&
        m_session.moduleExists(m_session.shared().LChose))
        selectTopic(m_settings.lastTopic);
}

void Contents::keepLearnerSettings() {
    if (m_learners.count() == 0) return;
    LearnerSettings now = m_settings;
    // The practice window keeps the question zoom itself: take it as it stands now.
    now.questionZoom = StoredQuestionZoom(m_learners.folderOf(m_learner));
    m_settings.questionZoom = now.questionZoom;
    PutTarget(SessionPrintTarget(), now);
    if (m_session.module().module > 0) now.lastTopic = m_session.chosenTopic();
    if (now == m_settings) return;
    if (now.save(m_learners.folderOf(m_learner)))
        m_settings = now;
    else
        qCWarning(lcUi) << "the learner's settings could not be kept";
}

void Contents::showLearners() {
    m_learnersView->setLearners(m_learners.names(), m_learner);
    if (m_session.navigation().txtTabPos != kHelpTab) {
        m_session.chooseTab(kHelpTab);
        m_tabs->raiseTab(kHelpTab);
        m_toolbar->showPage(true);
    }
    placeView(m_learnersView);
    m_learnersView->list()->setFocus(Qt::OtherFocusReason);
}

void Contents::showOverview() {
    QList<LearnerOverview> overviews;
    const int module = m_session.moduleExists(m_session.shared().LChose)
                           ? m_session.shared().LChose
                           : FirstDefinedModule(m_session.catalogue());
    for (int i = 0; i < m_learners.count(); ++i)
        overviews << ComputeLearnerOverview(
            m_learners.learners()[i].name,
            ReadLearnerReportInputs(m_session.catalogue(), module, m_learners.folderOf(i)));
    if (m_session.navigation().txtTabPos != kHelpTab) {
        m_session.chooseTab(kHelpTab);
        m_tabs->raiseTab(kHelpTab);
        m_toolbar->showPage(true);
    }
    placeView(m_overview);
    m_overview->fill(overviews);
    m_overview->table()->setFocus(Qt::OtherFocusReason);
}

void Contents::printOverview() {
    if (!ChoosePrintTarget(*this, PrinterFormMode::Print)) return;
    QList<LearnerOverview> overviews;
    const int module = FirstDefinedModule(m_session.catalogue());
    for (int i = 0; i < m_learners.count(); ++i)
        overviews << ComputeLearnerOverview(
            m_learners.learners()[i].name,
            ReadLearnerReportInputs(m_session.catalogue(), module, m_learners.folderOf(i)));
    PrintRequest request;
    request.what = PrintedDocument::Results;
    request.documentName = tr("%1 - overview").arg(m_session.catalogue().title);
    request.suggestedPdfName = OverviewPdfName(QDate::currentDate());
    const QString title = request.documentName;
    request.paint = [&overviews, &title](QPagedPaintDevice& device) {
        return DrawOverview(device, title, overviews);
    };
    PrintWithFeedback(*this, *this, request);
}

void Contents::exportResults(bool everyLearner) {
    QList<LearnerFolder> chosen;
    for (int i = 0; i < m_learners.count(); ++i)
        if (everyLearner || i == m_learner)
            chosen.append({m_learners.learners()[i].name, m_learners.folderOf(i)});
    const QString who = everyLearner || m_learners.count() < 2 ? QString() : chosen.value(0).name;
    QString file = m_prompts.saveFileName(
        tr("Export results"), ResultsCsvName(who, QDate::currentDate()), tr("CSV files (*.csv)"));
    if (file.isEmpty()) return;
    if (!file.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) file += QStringLiteral(".csv");
    if (ExportResultsCsv(file, m_session.catalogue(), chosen))
        PrintNotice::showOver(
            this, tr("The results were saved as %1.").arg(QDir::toNativeSeparators(file)));
    else
        m_prompts.notice(
            tr("Export results"),
            tr("The file %1 could not be written.").arg(QDir::toNativeSeparators(file)));
}

QWidget* Contents::focusInLearnerViews(bool next) const {
    auto* view = dynamic_cast<FamilyView*>(m_front);
    if (!view) return nullptr;
    const QWidget* current = focusWidget();
    const QList<QWidget*> chain = view->focusChain();
    const bool inChain = std::any_of(chain.begin(), chain.end(), [current](QWidget* w) {
        return w == current || (current && w->isAncestorOf(current));
    });
    if (inChain) {
        if (QWidget* w = view->nextInChain(current, next)) return w;
        // Past the chain's end: on to the title-bar buttons, or back to the tabs.
        if (next) {
            for (SkinnedButton* b : titleButtons())
                if (b->isVisible()) return b;
            return nullptr;
        }
        return StopEntry(m_tabs->focusStop());
    }
    // Into the chain from the tabs (forward) or from the first title-bar button (backward).
    const FocusStop tabs = m_tabs->focusStop();
    const bool onTabs =
        std::find(tabs.buttons.begin(), tabs.buttons.end(), current) != tabs.buttons.end();
    const QList<SkinnedButton*> title = titleButtons();
    const bool onFirstTitleButton = !title.isEmpty() && current == title.first();
    if ((next && onTabs) || (!next && onFirstTitleButton)) return view->nextInChain(nullptr, next);
    return nullptr;
}
