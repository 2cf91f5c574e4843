#include "ui/practice/answer_sheet.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "platform/picture_cache.h"
#include "platform/units.h"
#include "ui/practice/answer_validator.h"
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

const QColor kTint(192, 192, 255);
const QColor kBorderBlueColour(178, 217, 246);
const QColor kBorderGreyColour(192, 192, 192);
const QColor kSheetBackground(255, 255, 255);

QString Letter(int k) {
    return QStringLiteral("(%1)").arg(QChar(u'a' + k - 1));
}

void SetBase(QLineEdit* e, const QColor& c) {
    QPalette p = e->palette();
    if (p.color(QPalette::Base) == c) return;
    p.setColor(QPalette::Base, c);
    e->setPalette(p);
}

}  // namespace

AnswerRow::AnswerRow(int k, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Row%1").arg(k));
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(false);

    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9);
    letter = new QLabel(Letter(k), this);
    letter->setObjectName(QStringLiteral("QL%1").arg(k));
    letter->setFont(font);

    answer = new QLineEdit(this);
    answer->setObjectName(QStringLiteral("FA%1").arg(k));
    answer->setToolTip(QStringLiteral("Enter your answer"));
    answer->setFrame(false);
    answer->setFont(font);
    answer->setValidator(new AnswerValidator(answer));

    correct = new QLineEdit(this);
    correct->setObjectName(QStringLiteral("M%1").arg(k));
    correct->setReadOnly(true);
    correct->setFocusPolicy(Qt::NoFocus);
    correct->setFont(font);
    correct->setToolTip(QStringLiteral("Correct answer"));
    QPalette cp = correct->palette();
    cp.setColor(QPalette::Base, QColor(226, 242, 226));
    cp.setColor(QPalette::Text, QColor(0, 100, 0));
    correct->setPalette(cp);
    correct->hide();

    QFont verdictFont(QStringLiteral("Arial"));
    verdictFont.setPointSizeF(9);
    verdictFont.setBold(true);
    for (QLabel** v : {&firstVerdict, &secondVerdict}) {
        *v = new QLabel(this);
        (*v)->setFont(verdictFont);
        QPalette p = (*v)->palette();
        p.setColor(QPalette::WindowText, Qt::red);
        (*v)->setPalette(p);
        (*v)->hide();
    }
    firstVerdict->setObjectName(QStringLiteral("FR%1").arg(k));
    secondVerdict->setObjectName(QStringLiteral("SR%1").arg(k));
    applyLayout(false);
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
    p.setPen(borderMode_ == kBorderBlue ? kBorderBlueColour : kBorderGreyColour);
    for (const QLineF& l : b.lines)
        p.drawLine(QLineF(l.x1() / kTwipsPerPixel, l.y1() / kTwipsPerPixel, l.x2() / kTwipsPerPixel,
                          l.y2() / kTwipsPerPixel));
}

AnswerSheet::AnswerSheet(const QString& graphicsFolder, bool secondAttempt, QWidget* parent)
    : QFrame(parent), second_(secondAttempt) {
    setObjectName(QStringLiteral("AnsBox"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kSheetBackground);
    setPalette(p);
    for (int k = 1; k <= kAnswerRows; ++k) {
        auto* r = new AnswerRow(k, this);
        r->drawborder(kBorderBlue);
        r->hide();
        rows_[static_cast<size_t>(k - 1)] = r;
    }
    instruction_ = new QLabel(this);
    instruction_->setObjectName(QStringLiteral("PicInstruction"));
    instruction_->setPixmap(LoadPicture(graphicsFolder, QStringLiteral("instruction.gif")));
    if (instruction_->pixmap().isNull()) {
        instruction_->setWordWrap(true);
        instruction_->setText(
            QStringLiteral("Fractions: write eleven halves as 11/2.\nMixed numbers: write two and "
                           "three sevenths as 2 3/7."));
        instruction_->setFixedWidth(designWidth() - Px(120));
    }
    instruction_->adjustSize();
    instruction_->hide();
    resize(designWidth(), 400);
}

int AnswerSheet::designWidth() {
    return Px(kRowWidth + 2 * kSheetLeftMargin);
}

void AnswerSheet::showRows(const QList<AnswerRowView>& views, bool showInstruction) {
    const int parts = static_cast<int>(views.size());
    instruction_->setVisible(showInstruction);
    QList<double> heights;
    for (int k = 1; k <= kAnswerRows; ++k) {
        AnswerRow* r = row(k);
        if (k > parts) {
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
        r->answer->setMaxLength(v.singleCharacter ? 1 : 32767);
        r->answer->setText(v.answer);
        r->answer->setReadOnly(v.readOnly);
        r->answer->setFocusPolicy(v.readOnly ? Qt::ClickFocus : Qt::StrongFocus);
        SetBase(r->answer, v.tinted ? kTint : QColor(Qt::white));
        r->correct->setText(v.correctAnswer);
        r->correct->setVisible(v.showCorrectAnswer);
        r->firstVerdict->setText(v.firstVerdict);
        r->firstVerdict->setVisible(v.showFirstVerdict);
        r->secondVerdict->setText(v.secondVerdict);
        r->secondVerdict->setVisible(v.showSecondVerdict);
        r->letter->setVisible(k > 1 || parts >= 2);
        r->show();
    }
    const QList<double> tops = StackRowTops(heights, parts, second_);
    for (int k = 1; k <= parts; ++k) row(k)->move(Px(kSheetLeftMargin), Px(tops[k - 1]));
    placeInstruction();
}

QStringList AnswerSheet::typedAnswers(int count) const {
    QStringList out;
    for (int k = 1; k <= count && k <= kAnswerRows; ++k) out.append(row(k)->answer->text());
    return out;
}

void AnswerSheet::placeInstruction() {
    instruction_->move((width() - instruction_->width()) / 2,
                       std::max(0, height() - instruction_->height()));
}

void AnswerSheet::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    placeInstruction();
}
