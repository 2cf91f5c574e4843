#include "ui/practice/solution_pane.h"

#include <QEvent>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>
#include <QShortcut>
#include <algorithm>

#include "platform/question_document_view.h"
#include "practice/practice_session.h"
#include "practice/solution_document.h"
#include "ui/frame/focus_ring.h"
#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"
#include "ui/frame/ui_log.h"
#include "ui/practice/practice_actions.h"
#include "ui/practice/question_pane.h"

namespace {

constexpr int kButtonHeight = 22;
constexpr int kButtonPadding = 24;

// What lies between <body> and </body>, or the whole text when it has no body.
QString BodyOf(const QString& html) {
    static const QRegularExpression body(
        QStringLiteral("<body\\b[^>]*>(.*)</body\\s*>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = body.match(html);
    return match.hasMatch() ? match.captured(1) : html;
}

QString LongCaption(bool shown) {
    return shown ? SolutionPane::tr("Back to the question")
                 : SolutionPane::tr("How to work it out");
}

QString ShortCaption(bool shown) {
    return shown ? SolutionPane::tr("Question") : SolutionPane::tr("Solution");
}

void RemoveFile(const QString& path) {
    if (path.isEmpty() || !QFile::exists(path)) return;
    if (!QFile::remove(path)) qCWarning(lcUi) << "the solution file could not be removed:" << path;
}

}  // namespace

MhtDocument QuestionWithSolution(const MhtDocument& question, const MhtDocument& solution,
                                 const QString& heading) {
    MhtDocument merged = question;
    // The solution's pictures move to names of their own; the references follow them.
    static const QRegularExpression img(
        QStringLiteral("(<img\\b[^>]*\\bsrc\\s*=\\s*[\"'])([^\"']*)([\"'])"),
        QRegularExpression::CaseInsensitiveOption);
    const QString body = BodyOf(solution.html);
    QString renamed;
    qsizetype from = 0;
    int n = 0;
    for (auto it = img.globalMatch(body); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString reference = m.captured(2);
        const QByteArray bytes = solution.resolve(reference);
        if (!bytes.isNull()) {
            reference = QStringLiteral("solution-picture-%1").arg(++n);
            merged.partsByLocation.insert(reference, bytes);
        }
        renamed += body.mid(from, m.capturedStart(2) - from) + reference;
        from = m.capturedEnd(2);
    }
    renamed += body.mid(from);

    const QString addition =
        QStringLiteral("<hr><h2>%1</h2>\n%2\n").arg(heading.toHtmlEscaped(), renamed);
    static const QRegularExpression bodyEnd(QStringLiteral("</body\\s*>"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch end = bodyEnd.match(merged.html);
    if (end.hasMatch())
        merged.html.insert(end.capturedStart(), addition);
    else
        merged.html += addition;
    return merged;
}

SolutionPane::SolutionPane(QuestionPane& question, const QString& graphicsFolder, QWidget* window)
    : QObject(window), question_(question) {
    button_ = new SkinnedButton(QStringLiteral("cmdSolution"), graphicsFolder, window);
    button_->setLook(SkinnedButton::PlainLook());
    caption_ = new QLabel(button_);
    caption_->setObjectName(QStringLiteral("cmdSolution_lbl"));
    caption_->setFont(ArialFont(9, true));
    caption_->setAlignment(Qt::AlignCenter);
    SetTextColour(caption_);
    // The whole caption where the strip has room, a short one in a narrow window.
    const QFontMetrics metrics(caption_->font());
    auto widest = [&](const QStringList& texts) {
        int most = 0;
        for (const QString& text : texts) most = std::max(most, metrics.horizontalAdvance(text));
        return most + kButtonPadding;
    };
    button_->setMinimumSize(widest({ShortCaption(false), ShortCaption(true)}), kButtonHeight);
    button_->setMaximumSize(widest({LongCaption(false), LongCaption(true)}), kButtonHeight);
    button_->resize(button_->maximumSize());
    button_->addCaption(caption_);
    button_->installEventFilter(this);
    setCaption(false);
    button_->hide();
    question_.titleStrip()->setCompanion(button_);

    view_ = new QuestionDocumentView(window);
    view_->setObjectName(QStringLiteral("brwSolution"));
    view_->setTabChangesFocus(true);
    // The same room for the title strip over its top as the question has.
    view_->setStyleSheet(question_.view()->styleSheet());
    view_->stackUnder(question_.titleStrip());
    view_->hide();
    new FocusRing(view_, -1);
    connect(view_, &QuestionDocumentView::keyDown, this, [this](bool ctrl, int key) {
        if (ctrl && (key == Qt::Key_C || key == Qt::Key_X)) emit invalidOperation();
    });
    connect(view_, &QuestionDocumentView::mouseDown, this, [this](int button) {
        if (button == Qt::RightButton) emit invalidOperation();
    });

    // Escape goes back to the question, wherever the focus is in the window.
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape_->setContext(Qt::WindowShortcut);
    escape_->setEnabled(false);
    connect(escape_, &QShortcut::activated, this, &SolutionPane::close);
}

SolutionPane::~SolutionPane() {
    removeFile();
}

void SolutionPane::setCaption(bool shown) {
    // The button's own text, which a screen reader says, is always the whole caption.
    button_->setText(LongCaption(shown));
    fitCaption();
    button_->setToolTipEverywhere(
        shown ? WithKeys(tr("Back to the question"), PracticeAction::Solution) + tr(", Esc")
              : WithKeys(tr("Show how to work this question out"), PracticeAction::Solution));
}

void SolutionPane::fitCaption() {
    const bool shown = shown_ != 0;
    const QFontMetrics metrics(caption_->font());
    const bool whole =
        metrics.horizontalAdvance(LongCaption(shown)) + kButtonPadding <= button_->width();
    caption_->setText(whole ? LongCaption(shown) : ShortCaption(shown));
    caption_->setGeometry(0, 0, button_->width(), button_->height());
}

bool SolutionPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == button_ && event->type() == QEvent::Resize) fitCaption();
    return QObject::eventFilter(watched, event);
}

void SolutionPane::offer(const PracticeSession& session, int question) {
    if (shown_ != 0 && shown_ != question) close();
    button_->setVisible(session.isMarked() && HasSolution(session, question));
    if (button_->isHidden()) close();
}

bool SolutionPane::toggle(const PracticeSession& session, int question) {
    if (shown_ == question) {
        close();
        return true;
    }
    return open(session, question);
}

bool SolutionPane::open(const PracticeSession& session, int question) {
    const SolutionWrite written = WriteSolutionDocument(session, question);
    if (written != SolutionWrite::Written) {
        qCWarning(lcUi) << "the solution of question" << question
                        << "cannot be shown:" << static_cast<int>(written);
        return false;
    }
    const QString path = SolutionFilePath(session, question);
    if (!view_->openDocument(path)) {
        qCWarning(lcUi) << "the solution of question" << question
                        << "could not be read:" << view_->lastError();
        RemoveFile(path);
        return false;
    }
    if (path != file_) removeFile();
    file_ = path;
    shown_ = question;
    view_->setAccessibleName(tr("How to work out question %1").arg(question));
    // Read as the question is (its words and pictures spoken), at the size the learner chose.
    view_->setZoom(question_.view()->zoom());
    view_->setGeometry(question_.view()->geometry());
    view_->show();
    question_.view()->hide();
    question_.titleStrip()->setQuestion(question, true);
    setCaption(true);
    escape_->setEnabled(true);
    // A screen reader reads the solution as the focus arrives in it.
    view_->setFocus(Qt::OtherFocusReason);
    return true;
}

void SolutionPane::close() {
    if (shown_ == 0) return;
    const bool hadFocus = view_->hasFocus();
    question_.titleStrip()->setQuestion(shown_);
    shown_ = 0;
    escape_->setEnabled(false);
    question_.view()->show();
    view_->hide();
    // Nothing of a solution stays in a widget once it is off view.
    view_->clear();
    view_->setAccessibleName(QString());
    view_->setAccessibleDescription(QString());
    setCaption(false);
    removeFile();
    if (hadFocus) question_.view()->setFocus(Qt::OtherFocusReason);
}

std::optional<MhtDocument> SolutionPane::printable(const PracticeSession& session, int question) {
    if (!session.isMarked() || !HasSolution(session, question)) return std::nullopt;
    const QString heading = tr("How to work it out");
    if (shown_ == question)
        return QuestionWithSolution(question_.view()->archive(), view_->archive(), heading);
    // Read from its file like the shown one, and the file goes again.
    if (WriteSolutionDocument(session, question) != SolutionWrite::Written) return std::nullopt;
    const QString path = SolutionFilePath(session, question);
    const MhtReadResult read = ReadMhtFile(path);
    RemoveFile(path);
    if (!read.ok) {
        qCWarning(lcUi) << "the solution of question" << question
                        << "could not be read:" << read.error;
        return std::nullopt;
    }
    return QuestionWithSolution(question_.view()->archive(), read.document, heading);
}

void SolutionPane::removeFile() {
    RemoveFile(file_);
    file_.clear();
}
