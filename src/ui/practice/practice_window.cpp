#include "ui/practice/practice_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <utility>

#include "marking/scoring.h"
#include "platform/document_print.h"
#include "platform/program_folder.h"
#include "platform/question_document_view.h"
#include "ui/frame/announcer.h"
#include "ui/frame/contents_channel.h"
#include "ui/frame/popup.h"
#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"
#include "ui/frame/ui_log.h"
#include "ui/practice/answer_box.h"
#include "ui/practice/answer_rows.h"
#include "ui/practice/answer_sheet.h"
#include "ui/practice/practice_geometry.h"
#include "ui/practice/practice_resizer.h"
#include "ui/practice/practice_toolbar.h"
#include "ui/practice/question_pane.h"
#include "ui/practice/question_zoom.h"
#include "ui/practice/sheet_handle.h"
#include "ui/practice/solution_pane.h"
#include "ui/practice/status_strip.h"
#include "ui/print/file_names.h"
#include "ui/print/print_feedback.h"
#include "ui/print/printer_form.h"

namespace {

constexpr int kTitleStripLeft = 12;

SkinnedWindow::Skin PracticeSkin(ContentsChannel& contents, int take) {
    SkinnedWindow::Skin s;
    s.style = TitleStripStyle::Practice;
    s.graphicsFolder = GraphicsFolder(contents.programFolder());
    s.iconPicture = QStringLiteral("Pencil.ico");
    s.focusFlagName = take == 1 ? QStringLiteral("Test1Focus") : QStringLiteral("Test2Focus");
    s.fixedCentreWidth = 30000;
    return s;
}

}  // namespace

PracticeWindow::PracticeWindow(ContentsChannel& contents, int take, Options options)
    : SkinnedWindow(PracticeSkin(contents, take)),
      contents_(contents),
      second_(take != 1),
      options_(std::move(options)) {
    setObjectName(second_ ? QStringLiteral("Test2") : QStringLiteral("Test1"));
    setWindowTitle(second_ ? tr("Try Again") : tr("Practice"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(MinimumWindowSize());
    PaintGround(this, kSkinSurface);
    buildContent();
    setFocusOrder();
}

PracticeWindow::~PracticeWindow() = default;

void PracticeWindow::buildContent() {
    const QString graphics = graphicsFolder();
    toolbar_ = new PracticeToolbar(graphics, this);
    connect(toolbar_, &PracticeToolbar::triggered, this, &PracticeWindow::runAction);

    sheet_ = new AnswerSheet(graphics, second_, this);
    connect(sheet_, &AnswerSheet::enteredPastLast, this, &PracticeWindow::enteredPastLastAnswer);
    handle_ = new SheetHandle(graphics, this);
    connect(handle_, &SheetHandle::clicked, this, &PracticeWindow::ToggleAnswerSheet);

    question_ = new QuestionPane(second_, this);
    zoom_ = new QuestionZoom(this, question_->view(), contents_.resultsFolder());
    connect(question_, &QuestionPane::invalidOperation, this,
            [this] { QMessageBox::warning(this, tr("Error"), tr("Invalid operation")); });
    solution_ = new SolutionPane(*question_, graphics, this);
    connect(solution_, &SolutionPane::invalidOperation, question_, &QuestionPane::invalidOperation);
    connect(solution_->button(), &SkinnedButton::clicked, this,
            [this] { runAction(PracticeAction::Solution); });

    strip_ = new StatusStrip(graphics, second_, this);
    connect(strip_, &StatusStrip::questionChosen, this, [this](int q) { GoToQuestion(q, true); });

    resizer_ = new PracticeResizer(this, graphics);
    markProgress_ = new MarkProgress(graphics, this);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &PracticeWindow::tick);
    InstallActionKeys(this, [this](PracticeAction a) { runAction(a); });
    closeButton()->setToolTip(WithKeys(tr("Close paper"), PracticeAction::Close));
}

// Tab: the answer boxes, Back and Next, the remaining list, Save, Mark, Print, Close, the
// answer-sheet handle, the question; the title-bar buttons come last (the frame puts them there).
void PracticeWindow::setFocusOrder() {
    QList<QWidget*> order = {sheet_->row(kAnswerRows)->answer,
                             toolbar_->button(PracticeAction::Back),
                             toolbar_->button(PracticeAction::Next), strip_->remainingList()};
    for (PracticeAction a :
         {PracticeAction::Save, PracticeAction::Mark, PracticeAction::Print, PracticeAction::Close})
        order.append(toolbar_->button(a));
    order.append(handle_->button());
    order.append(solution_->button());
    order.append(question_->view());
    order.append(solution_->view());
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

bool PracticeWindow::LoadPractice() {
    QScreen* screen = contents_.contentsWindow() ? contents_.contentsWindow()->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    setGeometry(PlacementAtLoad(screen ? screen->geometry() : QRect(0, 0, 1024, 768)));
    relayout();
    PracticeInputs in;
    in.programFolder = contents_.resultsFolder();
    const SharedFields& shared = contents_.sharedFields();
    in.module = shared.LChose;
    in.courseCode = shared.lblCOD;
    in.paperNumber = QString::number(shared.PaperNum);
    in.TopicCount = shared.TopicCount;
    in.topicName = shared.SubH1;
    in.paperCount = shared.TtPapersCon;
    in.take = second_ ? 2 : 1;
    const bool loaded =
        options_.content ? session_.LoadFromContent(in, *options_.content) : session_.Load(in);
    if (!loaded) {
        qCWarning(lcUi) << "paper" << in.paperNumber << "could not be loaded";
        return false;
    }
    // The second attempt says so in its title, where the window list and a screen reader read it.
    setTitleText(second_ ? tr("%1 - Second attempt").arg(session_.Caption()) : session_.Caption());
    // A paper without its first question on view cannot be worked.
    if (!question_->show(session_, session_.state().currentQuestion)) return false;
    showLoadedState();
    return true;
}

void PracticeWindow::showLoadedState() {
    ShowQuestionParts();
    BuildRemainingList();
    if (session_.isMarked()) ShowMarkedState();
    sheetShown_ = true;
    practiceStart_ = options_.now();
    timer_->start();
    if (!second_) strip_->setDate(ShortDateText(practiceStart_.date()));
    tick();
    relayout();
    sheet_->focusFirstAnswer();
}

void PracticeWindow::tell(const QString& message) {
    PopupNotice(*this, tr("Vantora"), message);
}

void PracticeWindow::CollectAnswers() {
    const int q = session_.state().currentQuestion;
    const int offset = session_.PartOffset(q);
    const QStringList typed = sheet_->typedAnswers(session_.PartCount(q));
    for (int k = 0; k < typed.size(); ++k) session_.SetAnswer(offset + k, typed[k]);
}

void PracticeWindow::ShowQuestionParts() {
    const int q = session_.state().currentQuestion;
    sheet_->showRows(AnswerRowsFor(session_, q), NeedsEntryInstructions(session_, q));
    solution_->offer(session_, q);
}

void PracticeWindow::saveSilently() {
    if (session_.SaveAnswers()) return;
    qCWarning(lcUi) << "the answers of paper" << session_.state().paperNumber
                    << "could not be saved";
    tellNotSaved();
}

void PracticeWindow::tellNotSaved() {
    tell(tr("The paper could not be saved (%1).").arg(session_.failureText()));
}

// Answers no file holds yet are saved before the window goes. When that fails the learner reads
// why and may keep the window open: true when the window may go.
bool PracticeWindow::answersSavedOrLeftByChoice() {
    if (!session_.hasUnsavedAnswers() || session_.SaveAnswers()) return true;
    qCWarning(lcUi) << "closing: the answers of paper" << session_.state().paperNumber
                    << "could not be saved:" << session_.failureText();
    return PopupQuestion(*this, tr("Close Practice"),
                         tr("Your answers could not be saved (%1). If the paper closes now, "
                            "the answers typed since it was last saved are lost.\n\nClose it "
                            "anyway?")
                             .arg(session_.failureText()),
                         PopUpResponse::False);
}

void PracticeWindow::GoToQuestion(int question, bool focusFirstAnswer) {
    if (question < 1 || question > session_.QuestionCount()) return;
    CollectAnswers();
    saveSilently();
    solution_->close();
    if (!question_->show(session_, question)) {
        tell(tr("Question %1 cannot be shown.").arg(question));
        return;
    }
    session_.SetCurrentQuestion(question);
    ShowQuestionParts();
    BuildRemainingList();
    UpdateToolbar();
    // Heard before the answer box the focus goes to.
    Announce(this, question_->view()->spokenName());
    if (focusFirstAnswer) sheet_->focusFirstAnswer();
}

// Enter in the last box of a question goes on to the next question; after the last question's
// last box, the answers are saved as a change of question would and Mark is next.
void PracticeWindow::enteredPastLastAnswer() {
    const int current = session_.state().currentQuestion;
    if (current < session_.QuestionCount()) {
        GoToQuestion(current + 1, true);
        return;
    }
    CollectAnswers();
    saveSilently();
    SkinnedButton* mark = toolbar_->button(PracticeAction::Mark);
    if (mark->isEnabled()) mark->setFocus(Qt::TabFocusReason);
}

void PracticeWindow::BuildRemainingList() {
    strip_->setRemaining(session_.RemainingQuestions());
}

void PracticeWindow::ToggleAnswerSheet() {
    sheetShown_ = !sheetShown_;
    handle_->setSheetShown(sheetShown_);
    // Out of view is also out of the Tab order.
    const bool focusInSheet = sheet_->isAncestorOf(focusWidget());
    sheet_->setVisible(sheetShown_);
    if (focusInSheet) handle_->button()->setFocus(Qt::OtherFocusReason);
    relayout();
}

void PracticeWindow::PrintQuestion() {
    // The printer form comes first, showing the session's choice: the learner confirms or
    // changes where the question goes, or cancels.
    if (!ChoosePrintTarget(*this, PrinterFormMode::Print)) return;
    const int question = session_.state().currentQuestion;
    const QString header = tr("%1 - Question %2 of %3")
                               .arg(session_.Caption())
                               .arg(question)
                               .arg(session_.QuestionCount());
    PrintRequest request;
    request.what = PrintedDocument::Question;
    request.documentName = header;
    request.suggestedPdfName = QuestionPdfName(session_.Caption(), question);
    // A marked question is printed with its solution beneath it.
    const std::optional<MhtDocument> withSolution = solution_->printable(session_, question);
    request.paint = [this, &header, &withSolution](QPagedPaintDevice& device) {
        if (withSolution)
            return PrintDocumentPages(*PrintableDocument(*withSolution), device, header);
        return question_->view()->printTo(device, header);
    };
    PrintWithFeedback(contents_, *this, request);
}

void PracticeWindow::UpdateToolbar() {
    toolbar_->setEnabledStates(ToolbarEnabled(session_.isMarked(), session_.state().currentQuestion,
                                              session_.QuestionCount()));
}

void PracticeWindow::tick() {
    UpdateToolbar();
    if (!second_) strip_->setClock(TimeTakenText(practiceStart_.secsTo(options_.now())));
    toolbar_->setCounts(session_.AnsweredCount(), session_.PaperPartCount());
}

void PracticeWindow::runAction(PracticeAction action) {
    runKeyAction(action);
    // A solution on view is read at the question's size.
    if (solution_->isShown()) solution_->view()->setZoom(question_->view()->zoom());
}

void PracticeWindow::runKeyAction(PracticeAction action) {
    const int current = session_.state().currentQuestion;
    const bool marked = session_.isMarked();
    switch (action) {
        case PracticeAction::Save:
            if (!marked) SavePractice();
            break;
        case PracticeAction::Mark:
            if (!marked) MarkPractice();
            break;
        case PracticeAction::Print:
            PrintQuestion();
            break;
        case PracticeAction::Close:
            ClosePractice();
            break;
        case PracticeAction::Back:
            if (current > 1) GoToQuestion(current - 1, true);
            break;
        case PracticeAction::Next:
            if (current < session_.QuestionCount()) GoToQuestion(current + 1, true);
            break;
        case PracticeAction::ToggleSheet:
            ToggleAnswerSheet();
            break;
        case PracticeAction::ZoomIn:
            zoom_->zoomIn();
            break;
        case PracticeAction::ZoomOut:
            zoom_->zoomOut();
            break;
        case PracticeAction::ZoomReset:
            zoom_->reset();
            break;
        case PracticeAction::Solution:
            // Offered only where the button is.
            if (marked && !solution_->button()->isHidden() && !solution_->toggle(session_, current))
                tell(tr("How to work out question %1 cannot be shown.").arg(current));
            break;
    }
}

void PracticeWindow::SavePractice() {
    CollectAnswers();
    // A failed write must not be reported as saved.
    if (session_.SaveAnswers()) {
        tell(tr("Paper saved"));
        return;
    }
    qCWarning(lcUi) << "Save: the answers of paper" << session_.state().paperNumber
                    << "could not be saved";
    tellNotSaved();
}

void PracticeWindow::MarkPractice() {
    if (session_.isMarked()) {
        ShowMarkedState();
        return;
    }
    if (markProgress_->isPlaying()) return;
    CollectAnswers();
    saveSilently();
    const QString question =
        session_.NeedsLongConfirmation()
            ? tr("You have not answered all the questions.  Do you still want to mark your "
                 "practice?")
            : tr("Do you want to mark your practice now?");
    if (!PopupQuestion(*this, tr("Marking"), question)) return;
    timer_->stop();
    markProgress_->play(options_.markBarPauseMs, [this] { finishMarking(); });
}

void PracticeWindow::finishMarking() {
    const MarkOutcome outcome = session_.Mark(options_.now(), practiceStart_);
    timer_->start();
    if (outcome != MarkOutcome::Marked && outcome != MarkOutcome::AlreadyMarked) {
        qCWarning(lcUi) << "paper" << session_.state().paperNumber << "was not marked, outcome"
                        << static_cast<int>(outcome);
        tell(outcome == MarkOutcome::FinishedAtNextStart
                 ? tr("The results could not all be saved (%1).").arg(session_.failureText())
                 : tr("The results could not be saved (%1). The paper is not marked.")
                       .arg(session_.failureText()));
        return;
    }
    ShowMarkedState();
    Announce(this, tr("Marked. %1").arg(strip_->scoreName()));
}

void PracticeWindow::ShowMarkedState() {
    const PracticeState& s = session_.state();
    const int paperInTopic = s.paperIndex - s.inputs.TopicCount + 1;
    strip_->showMarked(s.timeTaken, s.dateCompleted, s.scoring,
                       ScoreName(paperInTopic, second_, s.scoring));
    ShowQuestionParts();
    UpdateToolbar();
}

void PracticeWindow::ClosePractice() {
    if (!PopupQuestion(*this, tr("Close Practice"), tr("Confirm?"))) return;
    if (!answersSavedOrLeftByChoice()) return;
    closingWithoutAsking_ = true;
    close();
}

void PracticeWindow::closeButtonClicked() {
    ClosePractice();
}

bool PracticeWindow::unloadWithoutAsking() {
    if (unloaded_) return true;
    if (markProgress_->isPlaying()) {
        // The learner confirmed the marking: it is finished, not dropped.
        markProgress_->finishNow();
    } else if (!session_.isMarked()) {
        // Typed answers are kept rather than lost with the window.
        CollectAnswers();
        if (!answersSavedOrLeftByChoice()) return false;
    }
    closingWithoutAsking_ = true;
    close();
    if (!unloaded_) unload();
    return true;
}

void PracticeWindow::unload() {
    unloaded_ = true;
    timer_->stop();
    question_->deleteFile();
    solution_->close();
    contents_.RefreshContents();
}

void PracticeWindow::closeEvent(QCloseEvent* event) {
    if (unloaded_) {
        event->accept();
        return;
    }
    // The window takes no input while the marking panel plays; a close from the window
    // system asks like the Close button.
    if (markProgress_->isPlaying() ||
        (!closingWithoutAsking_ && !(PopupQuestion(*this, tr("Close Practice"), tr("Confirm?")) &&
                                     answersSavedOrLeftByChoice()))) {
        event->ignore();
        return;
    }
    unload();
    event->accept();
    // The keys go back to the main window, on the paper the learner came from; without a window
    // manager nobody else would give it the focus.
    if (QWidget* main = contents_.contentsWindow()) main->activateWindow();
}

void PracticeWindow::showEvent(QShowEvent* event) {
    SkinnedWindow::showEvent(event);
    // Opened from the Home view, the paper is where the learner types next.
    raise();
    activateWindow();
}

void PracticeWindow::skinStateChanged(bool active) {
    // The first question is read once the window is active, after the answer box the focus is
    // in; the events of the window's showing have passed by then (a screen reader drops what
    // comes in a flood).
    if (active && isVisible() && !std::exchange(announcedFirstQuestion_, true))
        QTimer::singleShot(0, this, [this] { Announce(this, question_->view()->spokenName()); });
}

void PracticeWindow::layoutContent() {
    if (!toolbar_) return;  // the frame lays out before the content exists
    const QRect inner = innerArea();
    PracticeLayoutInput in;
    in.inner = size();
    in.topHeight = inner.top();
    in.leftWidth = inner.left();
    in.rightWidth = width() - inner.right() - 1;
    in.botHeight = inner.height() == 0 ? 0 : height() - inner.bottom() - 1;
    in.sizer = resizer_->sizer()->size();
    in.toolbarHeight = toolbar_->preferredHeight();
    in.answerSheetWidth = AnswerSheet::designWidth();
    in.handleWidth = SheetHandle::kStripWidth;
    in.underStripHeight = StatusStrip::kHeight;
    in.questionTitleLeft = in.leftWidth + kTitleStripLeft;
    in.questionTitleHeight = QuestionTitleStrip::kHeight;
    in.instructionHeight = sheet_->instruction()->height();
    in.answerSheetShown = sheetShown_;
    PracticeLayout l = LayoutPracticeWindow(in);
    // A narrow question pane gives the strip under it more rows, so no caption is dropped.
    if (const int rows = strip_->heightFor(l.underStrip.width()); rows != in.underStripHeight) {
        in.underStripHeight = rows;
        l = LayoutPracticeWindow(in);
    }

    toolbar_->setGeometry(l.toolbar);
    toolbar_->layoutFor(width());
    sheet_->setGeometry(l.answerSheet);
    handle_->setGeometry(l.handle);
    question_->view()->setGeometry(l.questionView);
    solution_->view()->setGeometry(l.questionView);
    question_->titleStrip()->setGeometry(l.questionTitle);
    strip_->setGeometry(l.underStrip);
    resizer_->sizer()->setGeometry(l.sizer);
    resizer_->sizer()->raise();
    markProgress_->place();
}
