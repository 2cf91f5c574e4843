#include "ui/practice/practice_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "marking/scoring.h"
#include "platform/program_folder.h"
#include "platform/question_document_view.h"
#include "platform/units.h"
#include "ui/frame/contents_channel.h"
#include "ui/frame/popup.h"
#include "ui/practice/answer_rows.h"
#include "ui/practice/answer_sheet.h"
#include "ui/practice/image_button.h"

namespace {

const QColor kChrome(244, 245, 235);
const QColor kCaptionText(33, 52, 84);
const QColor kTitleStrip(190, 204, 222);
constexpr int kHandleStripWidth = 12;
constexpr int kUnderStripHeight = 30;
constexpr int kTitleStripHeight = 26;
constexpr int kTitleStripLeft = 12;

const QString kMarking = QStringLiteral("Marking");
const QString kLongConfirmation = QStringLiteral(
    "You have not answered all the questions.  Do you still want to mark your practice?");
const QString kShortConfirmation = QStringLiteral("Do you want to mark your practice now?");
const QString kProgramTitle = QStringLiteral("Vantora");

void Paint(QWidget* w, const QColor& c) {
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
}

QLabel* Label(const QString& name, const QString& text, QWidget* parent, bool bold = false,
              double points = 9) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, kCaptionText);
    l->setPalette(p);
    return l;
}

QLineEdit* HiddenBox(const QString& name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->hide();
    return e;
}

}  // namespace

PracticeWindow::PracticeWindow(ContentsChannel& contents, int take, Options options)
    : SkinnedWindow([&] {
          Skin s;
          s.style = TitleStripStyle::Practice;
          s.graphicsFolder = GraphicsFolder(contents.programFolder());
          s.iconPicture = QStringLiteral("Pencil.ico");
          s.focusFlagName = take == 1 ? QStringLiteral("Test1Focus") : QStringLiteral("Test2Focus");
          s.fixedCentreWidth = 30000;
          return s;
      }()),
      contents_(contents),
      second_(take != 1),
      options_(std::move(options)) {
    setObjectName(second_ ? QStringLiteral("Test2") : QStringLiteral("Test1"));
    setWindowTitle(second_ ? QStringLiteral("Try Again") : QStringLiteral("Practice"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    Paint(this, kChrome);
    buildContent();
}

PracticeWindow::~PracticeWindow() {
    if (!unloaded_) deleteQuestionFile();
}

void PracticeWindow::buildContent() {
    const QString graphics = graphicsFolder();

    toolbar_ = new PracticeToolbar(graphics, this);
    Paint(toolbar_, kChrome);
    connect(toolbar_, &PracticeToolbar::triggered, this, &PracticeWindow::runToolbar);
    connect(toolbar_, &PracticeToolbar::pressTrackChanged, this,
            [this](bool down) { txtPressTrack_ = down; });
    answered_ = Label(QStringLiteral("lblAnsweredQ"), QStringLiteral("0"), toolbar_, true, 11);
    answered_->setToolTip(QStringLiteral("Number of questions answered"));
    answered_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* slash = Label(QStringLiteral("lblSlash"), QStringLiteral("/"), toolbar_, true, 11);
    slash->setAlignment(Qt::AlignCenter);
    total_ = Label(QStringLiteral("lblTotalQ"), QString(), toolbar_, true, 11);
    total_->setToolTip(QStringLiteral("Total number of questions"));
    auto* answeredCaption =
        Label(QStringLiteral("lblAnsweredCaption"), QStringLiteral("Answered"), toolbar_, false, 8);
    answeredCaption->setObjectName(QStringLiteral("lblAnsweredCaption"));

    sheet_ = new AnswerSheet(graphics, second_, this);
    Paint(sheet_, kChrome);

    handleStrip_ = new QLabel(this);
    handleStrip_->setObjectName(QStringLiteral("PicHideAns"));
    Paint(handleStrip_, kChrome);
    handle_ = new QLabel(handleStrip_);
    handle_->setObjectName(QStringLiteral("ImgHandle"));
    handle_->setPixmap(picture(QStringLiteral("Handle.bmp")));
    handle_->resize(handle_->pixmap().isNull() ? QSize(10, 48) : handle_->pixmap().size());
    handle_->setToolTip(QStringLiteral("Hide answer sheet"));
    handle_->setCursor(Qt::PointingHandCursor);
    handle_->installEventFilter(this);

    view_ = new QuestionDocumentView(this);
    view_->setObjectName(QStringLiteral("brwWebBrowser"));
    // Room above the document for the question-title strip that lies over the view.
    view_->setStyleSheet(
        QStringLiteral("QTextBrowser { border: none; padding-top: %1px; background: white; }")
            .arg(kTitleStripHeight + kOffset120Px + 4));
    connect(view_, &QuestionDocumentView::keyDown, this, &PracticeWindow::documentKey);
    connect(view_, &QuestionDocumentView::mouseDown, this, &PracticeWindow::documentMouse);

    titleStrip_ = new QWidget(this);
    titleStrip_->setObjectName(QStringLiteral("PicQnTitle"));
    Paint(titleStrip_, kTitleStrip);
    questionTitle_ =
        Label(QStringLiteral("QnTitle"), QStringLiteral("Question 1"), titleStrip_, true, 10);
    questionTitle_->move(8, (kTitleStripHeight - questionTitle_->sizeHint().height()) / 2);
    questionTitle_->resize(200, questionTitle_->sizeHint().height());

    underStrip_ = new QWidget(this);
    underStrip_->setObjectName(QStringLiteral("PicBottom"));
    Paint(underStrip_, kChrome);
    const QString third =
        second_ ? QStringLiteral("bottombg3.bmp") : QStringLiteral("bottombg3.bmp");
    const QString pictures[3] = {second_ ? QStringLiteral("bottombg1.bmp") : third,
                                 second_ ? QStringLiteral("bottombg2.bmp") : third, third};
    for (int i = 0; i < 3; ++i) {
        bottoms_[i] = new QLabel(underStrip_);
        bottoms_[i]->setObjectName(QStringLiteral("Bot%1").arg(i + 1));
        bottoms_[i]->setScaledContents(true);
        bottoms_[i]->setPixmap(picture(pictures[i]));
    }
    auto* row = new QHBoxLayout(underStrip_);
    row->setContentsMargins(8, 2, 12, 2);
    row->setSpacing(6);

    remaining_ = new QWidget(underStrip_);
    remaining_->setObjectName(QStringLiteral("TxtRem"));
    auto* remRow = new QHBoxLayout(remaining_);
    remRow->setContentsMargins(0, 0, 0, 0);
    remRow->setSpacing(6);
    remRow->addWidget(Label(QStringLiteral("lblQnsLeft"), QStringLiteral("Qns left:"), remaining_));
    remainingList_ = new QComboBox(remaining_);
    remainingList_->setObjectName(QStringLiteral("RemQns"));
    remainingList_->setToolTip(QStringLiteral("Select a remaining question"));
    remainingList_->setMinimumWidth(64);
    connect(remainingList_, &QComboBox::activated, this, [this](int index) {
        bool ok = false;
        const int q = remainingList_->itemText(index).toInt(&ok);
        if (ok) GoToQuestion(q);
    });
    remRow->addWidget(remainingList_);
    remaining_->setMinimumWidth(remaining_->sizeHint().width());
    row->addWidget(remaining_);
    row->addStretch(1);

    clockCaption_ = Label(QStringLiteral("lblClockCaption"), QStringLiteral("Time:"), underStrip_);
    clock_ = Label(QStringLiteral("lblClock"), QStringLiteral("0:0:0"), underStrip_, true);
    timeTaken_ = Label(QStringLiteral("LTime"), QString(), underStrip_, true);
    dateCaption_ = Label(QStringLiteral("lblDateCaption"), QStringLiteral("Date:"), underStrip_);
    date_ = Label(QStringLiteral("lblDate"), QString(), underStrip_, true);
    completed_ = Label(QStringLiteral("ETime"), QString(), underStrip_, true);
    scoringCaption_ =
        Label(QStringLiteral("lblScoreCaption"), QStringLiteral("Score:"), underStrip_);
    scoring_ = Label(QStringLiteral("PScoring"), QString(), underStrip_, true);
    percent_ = Label(QStringLiteral("PScoringL"), QStringLiteral("%"), underStrip_, true);
    for (QWidget* w : {static_cast<QWidget*>(clockCaption_), static_cast<QWidget*>(clock_),
                       static_cast<QWidget*>(timeTaken_)})
        row->addWidget(w);
    row->addSpacing(10);
    for (QLabel* w : {dateCaption_, date_, completed_}) row->addWidget(w);
    row->addSpacing(10);
    for (QLabel* w : {scoringCaption_, scoring_, percent_}) row->addWidget(w);
    row->setSpacing(4);
    timeTaken_->hide();
    completed_->hide();
    for (QLabel* w : {scoringCaption_, scoring_, percent_}) w->hide();
    if (second_)
        for (QLabel* w : {clockCaption_, clock_, dateCaption_, date_}) w->hide();

    status_ = HiddenBox(QStringLiteral("Status"), this);
    questionCount_ = HiddenBox(QStringLiteral("QSCount"), this);
    questionCount_->setText(QStringLiteral("1"));
    score_ = new QLabel(this);
    score_->setObjectName(QStringLiteral("Scoring"));
    score_->hide();

    sizer_ = new QLabel(this);
    sizer_->setObjectName(QStringLiteral("Sizer"));
    sizer_->setPixmap(picture(QStringLiteral("statusgrabber.bmp")));
    sizer_->resize(sizer_->pixmap().isNull() ? QSize(12, 12) : sizer_->pixmap().size());
    sizer_->installEventFilter(this);

    markProgress_ = new MarkProgress(graphics, this);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &PracticeWindow::tick);
}

void PracticeWindow::placeAtLoad() {
    QScreen* screen = contents_.contentsWindow() ? contents_.contentsWindow()->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect s = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    setGeometry(s.left() + static_cast<int>(s.width() * 0.1),
                s.top() + static_cast<int>(s.height() * 0.1), static_cast<int>(s.width() * 0.8),
                static_cast<int>(s.height() * 0.8));
    relayout();
}

bool PracticeWindow::LoadPractice() {
    placeAtLoad();
    PracticeInputs in;
    in.programFolder = contents_.programFolder();
    const SharedFields& shared = contents_.sharedFields();
    in.module = shared.LChose;
    in.courseCode = shared.lblCOD;
    in.paperNumber = QString::number(shared.PaperNum);
    in.topicCount = shared.TopicCount;
    in.topicName = shared.SubH1;
    in.paperCount = shared.TtPapersCon;
    in.take = second_ ? 2 : 1;
    const bool loaded =
        options_.content ? session_.LoadFromContent(in, *options_.content) : session_.Load(in);
    if (!loaded) return false;

    setTitleText(session_.Caption());
    questionTitle_->setText(QStringLiteral("Question %1").arg(session_.state().currentQuestion));
    questionCount_->setText(QString::number(session_.state().currentQuestion));
    showQuestionDocument();
    refreshStatusLabels();
    ShowQuestionParts();
    BuildRemainingList();
    if (session_.isMarked()) ShowMarkedState();

    sheetShown_ = true;
    practiceStart_ = options_.now();
    timer_->start();
    total_->setText(QString::number(session_.state().partCount));
    if (!second_) date_->setText(practiceStart_.date().toString(QStringLiteral("dd/MM/yyyy")));
    answered_->setText(QString::number(session_.AnsweredCount()));
    UpdateToolbar(QCursor::pos());
    relayout();
    return true;
}

void PracticeWindow::refreshStatusLabels() {
    const PracticeState& s = session_.state();
    status_->setText(s.status);
    scoring_->setText(s.scoring);
    score_->setText(QString::number(s.score));
    if (!second_) {
        timeTaken_->setText(s.timeTaken);
        completed_->setText(s.dateCompleted);
    }
}

bool PracticeWindow::ask(const QString& title, const QString& message) {
    const bool yes = PopupQuestion(*this, title, message);
    return yes;
}

void PracticeWindow::tell(const QString& title, const QString& message) {
    PopupNotice(*this, title, message);
}

void PracticeWindow::showQuestionDocument() {
    const int q = session_.state().currentQuestion;
    if (!session_.WriteQuestionDocument(q)) return;  // the view keeps what it showed
    questionFile_ = session_.QuestionFilePath(q);
    view_->openDocument(questionFile_);
}

void PracticeWindow::deleteQuestionFile() {
    if (!questionFile_.isEmpty() && QFile::exists(questionFile_)) QFile::remove(questionFile_);
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
}

void PracticeWindow::GoToQuestion(int question, bool focusFirstAnswer) {
    if (question < 1 || question > session_.QuestionCount()) return;
    CollectAnswers();
    session_.SaveAnswers();
    session_.SetCurrentQuestion(question);
    questionTitle_->setText(QStringLiteral("Question %1").arg(question));
    questionCount_->setText(QString::number(question));
    ShowQuestionParts();
    deleteQuestionFile();
    showQuestionDocument();
    BuildRemainingList();
    if (focusFirstAnswer) sheet_->row(1)->answer->setFocus();
}

void PracticeWindow::BuildRemainingList() {
    remainingList_->clear();
    for (const int q : session_.RemainingQuestions()) remainingList_->addItem(QString::number(q));
}

void PracticeWindow::ToggleAnswerSheet() {
    sheetShown_ = !sheetShown_;
    handle_->setToolTip(sheetShown_ ? QStringLiteral("Hide answer sheet")
                                    : QStringLiteral("Show answer sheet"));
    relayout();
}

void PracticeWindow::PrintQuestion() {
    view_->print();
}

void PracticeWindow::UpdateToolbar(QPoint globalCursor) {
    toolbar_->update(ToolbarEnabled(session_.isMarked(), session_.state().currentQuestion,
                                    session_.QuestionCount()),
                     globalCursor, txtPressTrack_);
}

void PracticeWindow::tick() {
    const QPoint cursor = QCursor::pos();
    UpdateToolbar(cursor);
    if (!second_) clock_->setText(TimeTakenText(practiceStart_.secsTo(options_.now())));
    answered_->setText(QString::number(session_.AnsweredCount()));
}

void PracticeWindow::runToolbar(ToolbarButton b) {
    const PracticeState& s = session_.state();
    switch (b) {
        case ToolbarButton::Save:
            if (!session_.isMarked()) SavePractice();
            break;
        case ToolbarButton::Mark:
            if (!session_.isMarked()) MarkPractice();
            break;
        case ToolbarButton::Print:
            PrintQuestion();
            break;
        case ToolbarButton::Close:
            ClosePractice();
            break;
        case ToolbarButton::Back:
            if (s.currentQuestion > 1) GoToQuestion(s.currentQuestion - 1, true);
            break;
        case ToolbarButton::Next:
            if (s.currentQuestion < session_.QuestionCount())
                GoToQuestion(s.currentQuestion + 1, true);
            break;
    }
}

void PracticeWindow::SavePractice() {
    CollectAnswers();
    // A failed write must not be reported as saved.
    if (session_.SaveAnswers())
        tell(kProgramTitle, QStringLiteral("Paper saved"));
    else
        tell(kProgramTitle, QStringLiteral("The paper could not be saved."));
}

void PracticeWindow::MarkPractice() {
    if (session_.isMarked()) {
        ShowMarkedState();
        return;
    }
    CollectAnswers();
    session_.SaveAnswers();
    const QString question =
        session_.NeedsLongConfirmation() ? kLongConfirmation : kShortConfirmation;
    if (!ask(kMarking, question)) return;

    repaint();
    timer_->stop();
    markProgress_->move((width() - markProgress_->width()) / 2,
                        (height() - markProgress_->height()) / 2);
    markProgress_->play(options_.markBarPauseMs);
    const MarkOutcome outcome = session_.Mark(options_.now(), practiceStart_);
    timer_->start();
    if (outcome != MarkOutcome::Marked && outcome != MarkOutcome::AlreadyMarked) {
        tell(kProgramTitle,
             QStringLiteral("The results could not be saved. The paper is not marked."));
        return;
    }
    refreshStatusLabels();
    ShowMarkedState();
}

void PracticeWindow::ShowMarkedState() {
    remaining_->hide();
    ShowQuestionParts();
    for (QLabel* w : {scoringCaption_, scoring_, percent_}) w->show();
    if (!second_) {
        clock_->hide();
        timeTaken_->show();
        clockCaption_->setText(QStringLiteral("Time taken:"));
        date_->hide();
        completed_->show();
        dateCaption_->setText(QStringLiteral("Completed:"));
    }
    UpdateToolbar(QCursor::pos());
}

void PracticeWindow::ClosePractice() {
    if (!ask(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"))) return;
    closingWithoutAsking_ = true;
    close();
}

void PracticeWindow::closeButtonClicked() {
    ClosePractice();
}

void PracticeWindow::unloadWithoutAsking() {
    if (unloaded_) return;
    // Typed answers are kept rather than lost with the window.
    if (!session_.isMarked()) {
        CollectAnswers();
        session_.SaveAnswers();
    }
    closingWithoutAsking_ = true;
    close();
    if (!unloaded_) unload();
}

void PracticeWindow::unload() {
    unloaded_ = true;
    timer_->stop();
    deleteQuestionFile();
    contents_.RefreshContents();
}

void PracticeWindow::closeEvent(QCloseEvent* event) {
    if (unloaded_) {
        event->accept();
        return;
    }
    // A close from the window system asks like the Close button.
    if (!closingWithoutAsking_ &&
        !ask(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"))) {
        event->ignore();
        return;
    }
    unload();
    event->accept();
}

void PracticeWindow::showEvent(QShowEvent* event) {
    SkinnedWindow::showEvent(event);
    // Opened from the Home view, the paper is where the learner types next.
    raise();
    activateWindow();
}

void PracticeWindow::documentKey(bool ctrl, int keyCode) {
    if (ctrl && (keyCode == Qt::Key_C || keyCode == Qt::Key_X)) invalidOperation();
}

void PracticeWindow::documentMouse(int button) {
    if (button == Qt::RightButton) invalidOperation();
}

void PracticeWindow::invalidOperation() {
    QMessageBox::warning(this, QStringLiteral("Error"), QStringLiteral("Invalid operation"));
}

void PracticeWindow::layoutContent() {
    if (!toolbar_) return;  // the frame lays out before the content exists
    const QRect inner = innerArea();
    PracticeLayoutInput in;
    in.inner = size();
    in.topHeight = inner.top();
    in.leftWidth = inner.left();
    in.rightWidth = width() - inner.right() - 1;
    in.botHeight = height() - inner.bottom() - 1;
    if (inner.height() == 0) in.botHeight = 0;
    in.sizer = sizer_->size();
    in.toolbarHeight = toolbar_->preferredHeight();
    in.answerSheetWidth = AnswerSheet::designWidth();
    in.handleWidth = kHandleStripWidth;
    in.underStripHeight = kUnderStripHeight;
    in.questionTitleLeft = in.leftWidth + kTitleStripLeft;
    in.questionTitleHeight = kTitleStripHeight;
    in.instructionHeight = sheet_->instruction()->height();
    in.answerSheetShown = sheetShown_;
    const PracticeLayout l = LayoutPracticeWindow(in);

    toolbar_->setGeometry(l.toolbar);
    toolbar_->layoutFor(width());
    const QRect pen = toolbar_->summary()->geometry();
    auto* caption = toolbar_->findChild<QLabel*>(QStringLiteral("lblAnsweredCaption"));
    auto* slash = toolbar_->findChild<QLabel*>(QStringLiteral("lblSlash"));
    const int x = pen.right() + 6;
    caption->setGeometry(x, pen.top() - 2, 90, 14);
    answered_->setGeometry(x, pen.top() + 13, 28, 22);
    slash->setGeometry(x + 28, pen.top() + 13, 10, 22);
    total_->setGeometry(x + 38, pen.top() + 13, 40, 22);

    sheet_->setGeometry(l.answerSheet);
    handleStrip_->setGeometry(l.handle);
    handle_->move((l.handle.width() - handle_->width()) / 2,
                  std::max(0, (l.handle.height() - handle_->height()) / 2));
    view_->setGeometry(l.questionView);
    titleStrip_->setGeometry(l.questionTitle);
    questionTitle_->resize(std::max(0, l.questionTitle.width() - 16), questionTitle_->height());
    underStrip_->setGeometry(l.underStrip);
    const int w = l.underStrip.width();
    for (int i = 0; i < 3; ++i)
        bottoms_[i]->setGeometry(w * i / 3, 0, w * (i + 1) / 3 - w * i / 3, l.underStrip.height());
    for (QLabel* b : bottoms_) b->lower();
    sizer_->setGeometry(l.sizer);
    sizer_->raise();
    markProgress_->move((width() - markProgress_->width()) / 2,
                        (height() - markProgress_->height()) / 2);
    if (markProgress_->isVisible()) markProgress_->raise();
}

// Resizing: the window's own surface and the Sizer, bottom-right corner only.

bool PracticeWindow::pressOnSurface(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton ||
        (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)))
        return false;
    const QPoint pos = mapFromGlobal(event->globalPosition().toPoint());
    pressBands_ = BandsAt(pos, size(), kEdgeBandPx);
    if (pressBands_.left || pressBands_.top || pressBands_.right || pressBands_.bottom)
        QCursor::setPos(
            SnapToEdges(event->globalPosition().toPoint(), frameGeometry(), pressBands_));
    resizing_ = pressBands_.right && pressBands_.bottom;
    if (resizing_) grabMouse();
    return true;
}

void PracticeWindow::mousePressEvent(QMouseEvent* event) {
    if (!pressOnSurface(event)) SkinnedWindow::mousePressEvent(event);
}

void PracticeWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    const QPoint pos = mapFromGlobal(global);
    const bool leftDown = event->buttons() & Qt::LeftButton;
    const Qt::CursorShape shape = EdgeCursor(pos, size(), kEdgeBandPx, leftDown, cursor().shape());
    if (shape != cursor().shape()) setCursor(shape);
    if (resizing_ && leftDown) {
        const QSize wanted =
            CornerDragSize(pressBands_, global - frameGeometry().topLeft(), size(), kEdgeBandPx);
        if (wanted != size()) resize(wanted);
    }
}

void PracticeWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (resizing_ && event->button() == Qt::LeftButton) {
        resizing_ = false;
        releaseMouse();
    }
    SkinnedWindow::mouseReleaseEvent(event);
}

bool PracticeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == handle_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        ToggleAnswerSheet();
        return true;
    }
    if (watched == sizer_) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
                return pressOnSurface(static_cast<QMouseEvent*>(event));
            case QEvent::MouseMove:
                mouseMoveEvent(static_cast<QMouseEvent*>(event));
                return true;
            case QEvent::MouseButtonRelease:
                mouseReleaseEvent(static_cast<QMouseEvent*>(event));
                return true;
            default:
                break;
        }
    }
    return SkinnedWindow::eventFilter(watched, event);
}
