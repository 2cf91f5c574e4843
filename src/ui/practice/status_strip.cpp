#include "ui/practice/status_strip.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include "platform/picture_cache.h"
#include "ui/frame/list_keys.h"
#include "ui/frame/skin_style.h"
#include "ui/practice/practice_geometry.h"
#include "ui/practice/strip_rows.h"

namespace {
constexpr int kInnerSpacing = 4;
constexpr int kVerticalMargin = 2;
}  // namespace

QString ScoreName(int paperInTopic, bool secondAttempt, const QString& scoring) {
    return secondAttempt ? StatusStrip::tr("Paper %1, second attempt, %2 percent")
                               .arg(paperInTopic)
                               .arg(scoring)
                         : StatusStrip::tr("Paper %1, %2 percent").arg(paperInTopic).arg(scoring);
}

StatusStrip::StatusStrip(const QString& graphicsFolder, bool secondAttempt, QWidget* parent)
    : QWidget(parent), second_(secondAttempt) {
    setObjectName(QStringLiteral("PicBottom"));
    PaintGround(this, kSkinSurface);
    // The first attempt shows bottombg3 in all three places.
    const QString third = QStringLiteral("bottombg3.bmp");
    const QString pictures[3] = {second_ ? QStringLiteral("bottombg1.bmp") : third,
                                 second_ ? QStringLiteral("bottombg2.bmp") : third, third};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QLabel(this);
        b->setObjectName(QStringLiteral("Bot%1").arg(i + 1));
        b->setScaledContents(true);
        b->setPixmap(LoadPicture(graphicsFolder, pictures[i]));
        bottoms_[static_cast<size_t>(i)] = b;
    }
    buildRemaining();
    buildGroups();
}

QLabel* StatusStrip::label(const QString& name, const QString& text, bool bold) {
    auto* l = new QLabel(text, this);
    l->setObjectName(name);
    l->setFont(ArialFont(9, bold));
    SetTextColour(l);
    return l;
}

void StatusStrip::buildRemaining() {
    remaining_ = new QWidget(this);
    remaining_->setObjectName(QStringLiteral("TxtRem"));
    auto* row = new QHBoxLayout(remaining_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    QLabel* caption = label(QStringLiteral("lblQnsLeft"), tr("Qns left:"), false);
    caption->setParent(remaining_);
    row->addWidget(caption);
    remainingList_ = new QComboBox(remaining_);
    remainingList_->setObjectName(QStringLiteral("RemQns"));
    remainingList_->setToolTip(tr("Select a remaining question"));
    remainingList_->setAccessibleName(tr("Questions left"));
    remainingList_->setAccessibleDescription(tr("Select a remaining question"));
    remainingList_->setMinimumWidth(64);
    caption->setBuddy(remainingList_);
    // A screen reader names the list by this caption (its own name is the chosen entry).
    caption->setAccessibleName(tr("Questions left"));
    OpenListOnEnter(remainingList_);
    connect(remainingList_, &QComboBox::activated, this, [this](int index) {
        bool ok = false;
        const int q = remainingList_->itemText(index).toInt(&ok);
        if (ok) emit questionChosen(q);
    });
    row->addWidget(remainingList_);
}

void StatusStrip::buildGroups() {
    clockCaption_ = label(QStringLiteral("lblClockCaption"), tr("Time:"), false);
    clock_ = label(QStringLiteral("lblClock"), QStringLiteral("0:0:0"), true);
    timeTaken_ = label(QStringLiteral("LTime"), QString(), true);
    dateCaption_ = label(QStringLiteral("lblDateCaption"), tr("Date:"), false);
    date_ = label(QStringLiteral("lblDate"), QString(), true);
    completed_ = label(QStringLiteral("ETime"), QString(), true);
    QLabel* scoreCaption = label(QStringLiteral("lblScoreCaption"), tr("Score:"), false);
    scoring_ = label(QStringLiteral("PScoring"), QString(), true);
    QLabel* percent = label(QStringLiteral("PScoringL"), QStringLiteral("%"), true);
    groups_[Remaining] = {remaining_};
    if (!second_) {
        groups_[Time] = {clockCaption_, clock_};
        groups_[Date] = {dateCaption_, date_};
    }
    groups_[Score] = {scoreCaption, scoring_, percent};
    for (QLabel* l : {clockCaption_, clock_, timeTaken_, dateCaption_, date_, completed_,
                      scoreCaption, scoring_, percent})
        l->hide();
}

void StatusStrip::setRemaining(const QList<int>& questions) {
    remainingList_->clear();
    for (const int q : questions) remainingList_->addItem(QString::number(q));
    layoutGroups();
}

void StatusStrip::setClock(const QString& clock) {
    if (clock_->text() == clock) return;
    clock_->setText(clock);
    clock_->setAccessibleName(tr("Time %1").arg(clock));
    layoutGroups();
}

void StatusStrip::setDate(const QString& date) {
    date_->setText(date);
    date_->setAccessibleName(tr("Date %1").arg(date));
    layoutGroups();
}

void StatusStrip::showMarked(const QString& timeTaken, const QString& completed,
                             const QString& scoring, const QString& scoreName) {
    marked_ = true;
    groups_[Remaining].clear();
    remaining_->hide();
    if (!second_) {
        clock_->hide();
        date_->hide();
        timeTaken_->setText(timeTaken);
        timeTaken_->setAccessibleName(tr("Time taken %1").arg(timeTaken));
        completed_->setText(completed);
        completed_->setAccessibleName(tr("Completed %1").arg(completed));
        clockCaption_->setText(tr("Time taken:"));
        dateCaption_->setText(tr("Completed:"));
        groups_[Time] = {clockCaption_, timeTaken_};
        groups_[Date] = {dateCaption_, completed_};
    }
    scoring_->setText(scoring);
    scoring_->setAccessibleName(scoreName);
    layoutGroups();
}

QString StatusStrip::scoreName() const {
    return scoring_->accessibleName();
}

int StatusStrip::groupWidth(Group g, bool compact) const {
    const QList<QWidget*>& widgets = groups_[g];
    if (widgets.isEmpty() || (g == Score && !marked_)) return 0;
    int width = 0;
    // A compact group leaves out its caption, the first widget.
    for (qsizetype i = compact ? 1 : 0; i < widgets.size(); ++i)
        width += widgets[i]->sizeHint().width() + (i > (compact ? 1 : 0) ? kInnerSpacing : 0);
    return width;
}

QList<StripGroup> StatusStrip::wantedGroups() const {
    QList<StripGroup> wanted;
    for (int g = 0; g < GroupCount; ++g) {
        const auto group = static_cast<Group>(g);
        const bool compactable = g != Remaining && groups_[g].size() > 1;
        wanted.append({groupWidth(group, false), compactable ? groupWidth(group, true) : 0});
    }
    return wanted;
}

int StatusStrip::heightFor(int width) const {
    return PlanStripRows(width, wantedGroups()).rowCount * kHeight;
}

void StatusStrip::layoutGroups() {
    const StripRows plan = PlanStripRows(width(), wantedGroups());
    const int rowHeight = std::max(0, height() / plan.rowCount);
    const int h = std::max(0, rowHeight - 2 * kVerticalMargin);
    for (int g = 0; g < GroupCount; ++g) {
        const StripRowPlace& place = plan.places[g];
        int x = place.left;
        for (qsizetype i = 0; i < groups_[g].size(); ++i) {
            QWidget* w = groups_[g][i];
            const bool shown = place.shown && !(place.compact && i == 0);
            w->setVisible(shown);
            if (!shown) continue;
            const int widthOfW = g == Remaining ? place.width : w->sizeHint().width();
            w->setGeometry(x, place.row * rowHeight + kVerticalMargin, widthOfW, h);
            x += widthOfW + kInnerSpacing;
        }
    }
}

void StatusStrip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width();
    for (int i = 0; i < 3; ++i)
        bottoms_[static_cast<size_t>(i)]->setGeometry(w * i / 3, 0, w * (i + 1) / 3 - w * i / 3,
                                                      height());
    for (QLabel* b : bottoms_) b->lower();
    layoutGroups();
}

// The list takes the width of its entries when it is first shown.
void StatusStrip::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    layoutGroups();
}
