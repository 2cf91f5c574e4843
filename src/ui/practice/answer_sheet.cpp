#include "ui/practice/answer_sheet.h"

#include <QAccessible>
#include <QLabel>
#include <QPainter>
#include <algorithm>

#include "platform/picture_cache.h"
#include "platform/units.h"
#include "ui/frame/skin_style.h"
#include "ui/practice/answer_box.h"
#include "ui/practice/answer_rows.h"
#include "ui/frame/focus_ring.h"
#include "ui/practice/practice_geometry.h"

namespace {

// Row geometry in twips, inside the row frame.
constexpr double kRowWidth = 3780;
constexpr double kRowHeight = 375;
constexpr double kTallRowHeight = 1500;
constexpr double kBoxLeft = 360, kBoxTop = 45, kBoxWidth = 1575, kBoxHeight = 300;
constexpr double kTallBoxWidth = 2700, kTallBoxHeight = 1080;
constexpr double kVerdictLeft = 2040, kVerdictWidth = 300;
constexpr double kCorrectLeft = 2340, kCorrectWidth = 1380;
constexpr double kSheetLeftMargin = 60;
constexpr int kNoteMs = 4000;


QString Letter(int k) {
    return QStringLiteral("(%1)").arg(QChar(u'a' + k - 1));
}

void SetBase(QLineEdit* e, const QColor& c) {
    QPalette p = e->palette();
    if (p.color(QPalette::Base) == c) return;
    p.setColor(QPalette::Base, c);
    e->setPalette(p);
}

QLabel* VerdictLabel(const QString& name, QWidget* parent) {
    auto* v = new QLabel(parent);
    v->setObjectName(name);
    v->setFont(ArialFont(9, true));
    SetTextColour(v, kVerdictRed);
    v->hide();
    return v;
}

}  // namespace

AnswerRow::AnswerRow(int k, bool secondAttempt, QWidget* parent)
    : QFrame(parent), second_(secondAttempt) {
    setObjectName(QStringLiteral("Row%1").arg(k));
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(false);

    letter = new QLabel(Letter(k), this);
    letter->setObjectName(QStringLiteral("QL%1").arg(k));
    letter->setFont(ArialFont(9));

    answer = new AnswerBox(QStringLiteral("FA%1").arg(k), this);
    new FocusRing(answer, 2);

    correct = new QLineEdit(this);
    correct->setObjectName(QStringLiteral("M%1").arg(k));
    correct->setReadOnly(true);
    correct->setFocusPolicy(Qt::NoFocus);
    correct->setFont(ArialFont(9));
    correct->setToolTip(tr("Correct answer"));
    QPalette cp = correct->palette();
    cp.setColor(QPalette::Base, kCorrectAnswerGround);
    cp.setColor(QPalette::Text, kCorrectAnswerText);
    correct->setPalette(cp);
    correct->hide();

    firstVerdict = VerdictLabel(QStringLiteral("FR%1").arg(k), this);
    secondVerdict = VerdictLabel(QStringLiteral("SR%1").arg(k), this);
    applyLayout(false);
}

// Only what changes is set: every change is an event for a screen reader, and a flood of them
// (twenty rows, most of them hidden and empty) makes Orca drop what comes next.
void AnswerRow::fill(const AnswerRowView& v) {
    auto setText = [](auto* w, const QString& text) {
        if (w->text() != text) w->setText(text);
    };
    auto setName = [](QWidget* w, const QString& name) {
        if (w->accessibleName() != name) w->setAccessibleName(name);
    };
    answer->setLongestAnswer(v.singleCharacter ? 1 : kLongestAnswer);
    setText(answer, v.answer);
    answer->setReadOnly(v.readOnly);
    SetBase(answer, v.tinted ? kCarriedOverTint : QColor(Qt::white));
    setName(answer, v.name);
    description_ = v.description;
    if (answer->accessibleDescription() != description_)
        answer->setAccessibleDescription(description_);
    setText(correct, v.correctAnswer);
    // Named once shown: a name given to twenty hidden boxes is twenty events for nobody.
    if (v.showCorrectAnswer) setName(correct, tr("Correct answer"));
    correct->setVisible(v.showCorrectAnswer);
    setText(firstVerdict, VerdictLetter(v.firstVerdict));
    // In the second attempt FR<k> is the first attempt's verdict.
    setName(firstVerdict, second_ ? tr("first attempt: %1").arg(VerdictWord(v.firstVerdict))
                                  : VerdictWord(v.firstVerdict));
    firstVerdict->setVisible(v.showFirstVerdict);
    setText(secondVerdict, VerdictLetter(v.secondVerdict));
    setName(secondVerdict, VerdictWord(v.secondVerdict));
    secondVerdict->setVisible(v.showSecondVerdict);
    firstVerdict->setToolTip(v.verdictTip);
    secondVerdict->setToolTip(v.verdictTip);
    letter->setVisible(v.showLetter);
}

double AnswerRow::applyLayout(bool tall) {
    const double rowH = tall ? kTallRowHeight : kRowHeight;
    const double boxW = tall ? kTallBoxWidth : kBoxWidth;
    const double boxH = tall ? kTallBoxHeight : kBoxHeight;
    resize(SizeTw(kRowWidth, rowH));
    letter->setGeometry(RectTw(30, kBoxTop, kBoxLeft - 30, kBoxHeight));
    answer->setGeometry(RectTw(kBoxLeft, kBoxTop, boxW, boxH));
    answer->setAlignment(tall ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignLeft | Qt::AlignVCenter);
    // The verdicts sit just right of the box (100 twips past a tall box).
    const double verdictLeft = tall ? kBoxLeft + boxW + 100 : kVerdictLeft;
    firstVerdict->setGeometry(RectTw(verdictLeft, kBoxTop, kVerdictWidth, kBoxHeight));
    secondVerdict->setGeometry(firstVerdict->geometry());
    if (tall)
        correct->setGeometry(RectTw(kBoxLeft, kBoxTop + boxH + 60, boxW, kBoxHeight));
    else
        correct->setGeometry(RectTw(kCorrectLeft, kBoxTop, kCorrectWidth, kBoxHeight));
    update();
    return rowH;
}

void AnswerRow::drawborder(int mode) {
    borderMode_ = mode;
    update();
}

void AnswerRow::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    if (borderMode_ == kBorderErase) return;
    const QRect g = answer->geometry();
    const BorderLines b = createborder(BorderBoxAround(
        QRectF(Twips(g.left()), Twips(g.top()), Twips(g.width()), Twips(g.height()))));
    QPainter p(this);
    p.setPen(borderMode_ == kBorderBlue ? kAnswerBorderBlue : kAnswerBorderGrey);
    for (const QLineF& l : b.lines)
        p.drawLine(QLineF(l.x1() / kTwipsPerPixel, l.y1() / kTwipsPerPixel, l.x2() / kTwipsPerPixel,
                          l.y2() / kTwipsPerPixel));
}

AnswerSheet::AnswerSheet(const QString& graphicsFolder, bool secondAttempt, QWidget* parent)
    : QFrame(parent), second_(secondAttempt) {
    setObjectName(QStringLiteral("AnsBox"));
    PaintGround(this, kSkinSurface);
    QWidget* previous = nullptr;
    for (int k = 1; k <= kAnswerRows; ++k) {
        auto* r = new AnswerRow(k, secondAttempt, this);
        r->drawborder(kBorderBlue);
        r->hide();
        rows_[static_cast<size_t>(k - 1)] = r;
        connect(r->answer, &QLineEdit::returnPressed, this, [this, k] { enterPressed(k); });
        connect(r->answer, &AnswerBox::refused, this,
                [this, k](const QString& hint) { showRefusal(k, hint); });
        if (previous) QWidget::setTabOrder(previous, r->answer);
        previous = r->answer;
    }
    instruction_ = new QLabel(this);
    instruction_->setObjectName(QStringLiteral("PicInstruction"));
    instruction_->setPixmap(LoadPicture(graphicsFolder, QStringLiteral("instruction.gif")));
    // The picture's words, for a screen reader and for when the picture cannot be read.
    const QString words =
        tr("Fractions: write eleven halves as 11/2.\nMixed numbers: write two and three sevenths "
           "as 2 3/7.");
    instruction_->setAccessibleName(words);
    if (instruction_->pixmap().isNull()) {
        instruction_->setWordWrap(true);
        instruction_->setText(words);
        instruction_->setFixedWidth(designWidth() - Px(120));
    }
    instruction_->adjustSize();
    instruction_->hide();

    // The words over the column of correct answers a marked second attempt shows.
    correctHeading_ = new QLabel(tr("Correct answer"), this);
    correctHeading_->setObjectName(QStringLiteral("lblCorrectAnswer"));
    correctHeading_->setFont(ArialFont(8, true));
    SetTextColour(correctHeading_, kCorrectAnswerText);
    correctHeading_->hide();

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("lblAnswerNote"));
    note_->setWordWrap(true);
    note_->setFont(ArialFont(8));
    note_->setFrameShape(QFrame::Box);
    note_->setMargin(3);
    PaintGround(note_, kRefusalNoteGround);
    SetTextColour(note_, Qt::black);
    note_->hide();
    noteTimer_.setSingleShot(true);
    noteTimer_.setInterval(kNoteMs);
    connect(&noteTimer_, &QTimer::timeout, this, &AnswerSheet::hideRefusal);
    resize(designWidth(), 400);
}

int AnswerSheet::designWidth() {
    return Px(kRowWidth + 2 * kSheetLeftMargin);
}

void AnswerSheet::showRows(const QList<AnswerRowView>& views, bool showInstruction) {
    hideRefusal();
    const int parts = static_cast<int>(std::min<qsizetype>(views.size(), kAnswerRows));
    instruction_->setVisible(showInstruction);
    QList<double> heights;
    for (int k = 1; k <= kAnswerRows; ++k) {
        AnswerRow* r = row(k);
        if (k > parts) {
            // A hidden row keeps nothing of another question (no correct answer above all).
            r->fill(AnswerRowView{});
            r->hide();
            continue;
        }
        const AnswerRowView& v = views[k - 1];
        if (k == 1) {
            // Row 1's border goes with its layout.
            r->drawborder(kBorderErase);
            heights.append(r->applyLayout(v.tallLayout));
            r->drawborder(kBorderBlue);
        } else {
            heights.append(kRowHeight);
        }
        r->fill(v);
        r->show();
    }
    const QList<double> tops = StackRowTops(heights, parts, second_);
    // Correct answers on view: their heading stands over them and the rows move down under it.
    int headingRoom = 0;
    const auto shown = std::find_if(views.begin(), views.begin() + parts,
                                    [](const AnswerRowView& v) { return v.showCorrectAnswer; });
    correctHeading_->setVisible(shown != views.begin() + parts);
    if (correctHeading_->isVisible()) {
        const QRect box = row(int(shown - views.begin()) + 1)->correct->geometry();
        const QSize hint = correctHeading_->sizeHint();
        correctHeading_->setGeometry(Px(kSheetLeftMargin) + box.x(), Px(tops.value(0)),
                                     std::max(box.width(), hint.width()), hint.height());
        headingRoom = hint.height() + 2;
    }
    for (int k = 1; k <= parts; ++k)
        row(k)->move(Px(kSheetLeftMargin), Px(tops[k - 1]) + headingRoom);
    placeInstruction();
}

QStringList AnswerSheet::typedAnswers(int count) const {
    QStringList out;
    for (int k = 1; k <= count && k <= kAnswerRows; ++k) out.append(row(k)->answer->text());
    return out;
}

int AnswerSheet::visibleRows() const {
    int n = 0;
    while (n < kAnswerRows && !row(n + 1)->isHidden()) ++n;
    return n;
}

// The box gets the focus afresh even where it had it (another question in the same box), so its
// focus mark follows what the box has become.
void AnswerSheet::focusBox(int k, Qt::FocusReason reason) {
    AnswerBox* box = row(k)->answer;
    if (box->hasFocus()) box->clearFocus();
    box->setFocus(reason);
}

void AnswerSheet::focusFirstAnswer() {
    const int n = visibleRows();
    for (int k = 1; k <= n; ++k) {
        if (!row(k)->answer->isReadOnly()) {
            focusBox(k, Qt::OtherFocusReason);
            return;
        }
    }
    if (n > 0) focusBox(1, Qt::OtherFocusReason);
}

// From a box that takes an answer, Enter skips those that do not (carried-over parts); from a
// read-only box (a marked paper) it visits every box.
void AnswerSheet::enterPressed(int k) {
    const bool fromEditable = !row(k)->answer->isReadOnly();
    const int n = visibleRows();
    for (int j = k + 1; j <= n; ++j) {
        if (fromEditable && row(j)->answer->isReadOnly()) continue;
        focusBox(j, Qt::TabFocusReason);
        return;
    }
    emit enteredPastLast();
}

void AnswerSheet::showRefusal(int k, const QString& hint) {
    if (noteRow_ && noteRow_ != k)
        row(noteRow_)->answer->setAccessibleDescription(row(noteRow_)->description());
    noteRow_ = k;
    AnswerRow* r = row(k);
    note_->setText(hint);
    note_->setAccessibleName(hint);
    note_->setFixedWidth(std::max(0, width() - 2 * Px(kSheetLeftMargin)));
    note_->adjustSize();
    const QRect box(r->mapTo(this, r->answer->geometry().topLeft()), r->answer->size());
    int top = box.bottom() + 4;
    if (top + note_->height() > height()) top = std::max(0, box.top() - 4 - note_->height());
    note_->move(Px(kSheetLeftMargin), top);
    note_->show();
    note_->raise();
    r->answer->setAccessibleDescription(hint);
    QAccessibleEvent alert(note_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    noteTimer_.start();
}

void AnswerSheet::hideRefusal() {
    noteTimer_.stop();
    note_->hide();
    if (noteRow_) row(noteRow_)->answer->setAccessibleDescription(row(noteRow_)->description());
    noteRow_ = 0;
}

void AnswerSheet::placeInstruction() {
    instruction_->move((width() - instruction_->width()) / 2,
                       std::max(0, height() - instruction_->height()));
}

void AnswerSheet::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    placeInstruction();
}
