#include "ui/practice/question_pane.h"

#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <algorithm>

#include "platform/question_document_view.h"
#include "practice/practice_session.h"
#include "ui/frame/skin_style.h"
#include "ui/frame/ui_log.h"
#include "ui/frame/focus_ring.h"
#include "ui/practice/practice_geometry.h"

namespace {

constexpr int kTitleMargin = 8;
constexpr int kTitleGap = 12;

void RemoveFile(const QString& path) {
    if (path.isEmpty() || !QFile::exists(path)) return;
    if (!QFile::remove(path)) qCWarning(lcUi) << "the question file could not be removed:" << path;
}

}  // namespace

QuestionTitleStrip::QuestionTitleStrip(bool secondAttempt, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PicQnTitle"));
    PaintGround(this, kQuestionTitleStrip);
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("QnTitle"));
    title_->setFont(ArialFont(10, true));
    SetTextColour(title_);
    if (secondAttempt) {
        attempt_ = new QLabel(tr("Second attempt"), this);
        attempt_->setObjectName(QStringLiteral("lblAttempt"));
        attempt_->setFont(ArialFont(9, true));
        attempt_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        attempt_->setAccessibleName(tr("Second attempt"));
        SetTextColour(attempt_);
    }
    setQuestion(1);
}

void QuestionTitleStrip::setQuestion(int question, bool solution) {
    shortTitle_ = tr("Question %1").arg(question);
    longTitle_ = solution ? tr("Question %1: How to work it out").arg(question) : shortTitle_;
    layoutLabels();
}

void QuestionTitleStrip::layoutLabels() {
    const int room = std::max(0, width() - 2 * kTitleMargin);
    const bool companion = companion_ && !companion_->isHidden();
    // The companion takes up to its largest width and no less than its smallest; the title
    // names what is on view where that fits beside it, else just the question.
    const int companionLeast = companion ? kTitleGap + companion_->minimumWidth() : 0;
    title_->setText(longTitle_);
    if (title_->sizeHint().width() + companionLeast > room) title_->setText(shortTitle_);
    const QSize hint = title_->sizeHint();
    const int top = (kHeight - hint.height()) / 2;
    const int titleWidth = std::min(hint.width(), room);
    title_->setGeometry(kTitleMargin, top, titleWidth, hint.height());
    int used = titleWidth;
    if (companion) {
        const int companionWidth = std::clamp(room - used - kTitleGap, companion_->minimumWidth(),
                                              companion_->maximumWidth());
        const int companionHeight = companion_->height();
        companion_->setGeometry(kTitleMargin + titleWidth + kTitleGap,
                                (kHeight - companionHeight) / 2, companionWidth, companionHeight);
        used += kTitleGap + companionWidth;
    }
    if (!attempt_) return;
    // The long text where it fits beside the title, else the short one, else none.
    const int free = room - used - kTitleGap;
    attempt_->setText(tr("Second attempt"));
    if (attempt_->sizeHint().width() > free) attempt_->setText(tr("2nd attempt"));
    const int attemptWidth = attempt_->sizeHint().width();
    attempt_->setVisible(attemptWidth <= free);
    attempt_->setGeometry(width() - kTitleMargin - attemptWidth, top, attemptWidth, hint.height());
}

void QuestionTitleStrip::setCompanion(QWidget* companion) {
    companion_ = companion;
    companion_->setParent(this);
    companion_->installEventFilter(this);
    layoutLabels();
}

bool QuestionTitleStrip::eventFilter(QObject* watched, QEvent* event) {
    if (watched == companion_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        layoutLabels();
    return QWidget::eventFilter(watched, event);
}

void QuestionTitleStrip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutLabels();
}

QuestionPane::QuestionPane(bool secondAttempt, QWidget* window) : QObject(window) {
    view_ = new QuestionDocumentView(window);
    view_->setObjectName(QStringLiteral("brwWebBrowser"));
    view_->setTabChangesFocus(true);
    // Room above the document for the question-title strip that lies over the view.
    view_->setStyleSheet(
        QStringLiteral("QTextBrowser { border: none; padding-top: %1px; background: white; }")
            .arg(QuestionTitleStrip::kHeight + kOffset120Px + 4));
    connect(view_, &QuestionDocumentView::keyDown, this, [this](bool ctrl, int key) {
        if (ctrl && (key == Qt::Key_C || key == Qt::Key_X)) emit invalidOperation();
    });
    connect(view_, &QuestionDocumentView::mouseDown, this, [this](int button) {
        if (button == Qt::RightButton) emit invalidOperation();
    });
    new FocusRing(view_, -1);
    strip_ = new QuestionTitleStrip(secondAttempt, window);
}

QuestionPane::~QuestionPane() {
    deleteFile();
}

bool QuestionPane::show(const PracticeSession& session, int question) {
    const QString path = session.QuestionFilePath(question);
    if (path.isEmpty() || !session.WriteQuestionDocument(question)) {
        qCWarning(lcUi) << "question" << question << "could not be written to" << path;
        return false;
    }
    if (!view_->openDocument(path)) {
        qCWarning(lcUi) << "question" << question << "could not be shown:" << view_->lastError();
        if (path != file_) RemoveFile(path);
        return false;
    }
    if (path != file_) RemoveFile(file_);
    file_ = path;
    strip_->setQuestion(question);
    // The view reads the question after this title, its pictures by their descriptions.
    view_->setAccessibleName(tr("Question %1").arg(question));
    return true;
}

void QuestionPane::deleteFile() {
    RemoveFile(file_);
}
