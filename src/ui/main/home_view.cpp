#include "ui/main/home_view.h"

#include <QLabel>

#include "platform/units.h"
#include "ui/frame/skin_picture.h"
#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"
#include "ui/main/navigation.h"
#include "ui/main/topic_entry.h"
#include "ui/main/view_parts.h"

namespace {
constexpr double kPercentLeft = 5040;  // twips inside Body_Home
constexpr double kScoreGap = 20;

int SlotRowTop(int slot, bool secondRow) {  // slot from 0
    return Px(1200 + 960 * slot + (secondRow ? 240 : 0));
}

const SkinnedButton::Look kLoadLook = {QStringLiteral("loadbutton_off.bmp"),
                                       QStringLiteral("loadbutton_on.bmp"),
                                       QStringLiteral("loadbutton_on.bmp"),
                                       {}};
}  // namespace

HomeView::HomeView(const QString& graphicsFolder, QWidget* parent)
    : MainView(parent), m_folder(graphicsFolder) {
    setObjectName(QStringLiteral("Body_Home"));
    MakeWhiteGround(this);
    SetTextColour(this, Qt::black);
    resize(SizeTw(6015, 5655));

    // Soft stripes behind alternate paper slots, for the eye to follow a row.
    for (int j = 0; j < kPapersPerTopic; j += 2) {
        auto* stripe = new QWidget(this);
        PaintGround(stripe, kPaperStripe);
        stripe->setGeometry(RectTw(2520, 900 + 960 * j, 3435, 900));
    }
    buildColumnHeads();
    buildTopics();
    m_subH1 = MakeLabel(this, QStringLiteral("SubH1"), tr("Select a Paper"),
                        RectTw(2640, 360, 3255, 495), ArialFont(10, true));
    SetTextColour(m_subH1, kSubHeadingText);
    m_subH1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* percent = new QWidget(this);
    percent->setObjectName(QStringLiteral("Percent1a"));
    percent->setGeometry(Px(kPercentLeft), Px(1200), Px(135),
                         SlotRowTop(kPapersPerTopic - 1, true) + Px(210) - Px(1200));
    for (int j = 0; j < kPapersPerTopic; ++j) {
        for (int row = 0; row < 2; ++row) {
            auto* sign = MakeLabel(percent, QString(), QStringLiteral("%"),
                                   QRect(0, SlotRowTop(j, row == 1) - Px(1200), Px(135), Px(210)),
                                   ArialFont(8));
            sign->setAccessibleName(tr("percent"));
        }
        buildSlot(j);
    }
    new ArrowGroup({m_topics, m_topics + kTopicCapacity}, ArrowGroup::Move::FocusAndPress, this);
}

void HomeView::buildColumnHeads() {
    const QString heads[2] = {tr("Select a Topic"), tr("Select a Paper")};
    const QRect rects[2] = {RectTw(0, 0, 2535, 375), RectTw(2490, 0, 3495, 375)};
    for (int i = 0; i < 2; ++i) {
        m_colHead[i] = MakeLabel(this, QStringLiteral("ColHead%1").arg(i + 1), QString(), rects[i],
                                 ArialFont(8));
        m_colHead[i]->setScaledContents(true);
        auto* caption =
            MakeLabel(m_colHead[i], QStringLiteral("ColHead%1lbl").arg(i + 1), heads[i],
                      QRect(8, 0, rects[i].width() - 8, rects[i].height()), ArialFont(8, true));
        SetTextColour(caption, kColumnHeadText);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void HomeView::buildTopics() {
    for (int i = 0; i < kTopicCapacity; ++i) {
        const QRect entry = RectTw(360, 600 + 480 * i, 2040, 210);
        m_bullets[i] = MakeLabel(this, QStringLiteral("Bullet%1").arg(i + 1), QString(),
                                 QRect(Px(120), entry.top() + 1, 12, 12), ArialFont(8));
        m_bullets[i]->setAccessibleName(tr("Bullet"));
        m_topics[i] = new TopicEntry(QStringLiteral("Topic%1").arg(i + 1), this);
        m_topics[i]->setFont(ArialFont(8));
        m_topics[i]->setEntryRect(entry);
        connect(m_topics[i], &TopicEntry::clicked, this, [this, i] { emit topicClicked(i + 1); });
    }
}

void HomeView::buildSlot(int j) {
    const QString paper = tr("Paper %1").arg(j + 1);
    MakeLabel(this, QStringLiteral("lblPaper%1").arg(j + 1), paper,
              RectTw(2640, 960 + 960 * j, 1200, 210), ArialFont(8, true));
    MakeLabel(this, QString(), tr("1st Attempt:"),
              QRect(Px(3600), SlotRowTop(j, false), Px(1100), Px(210)), ArialFont(8));
    MakeLabel(this, QString(), tr("2nd Attempt:"),
              QRect(Px(3600), SlotRowTop(j, true), Px(1100), Px(210)), ArialFont(8));

    PaperSlot& slot = m_slots[j];
    for (bool second : {false, true}) {
        auto* b = new SkinnedButton(QStringLiteral("P%1%2").arg(j + 1).arg(second ? 'b' : 'a'),
                                    m_folder, this);
        b->setLook(kLoadLook);
        b->setGeometry(Px(3000), SlotRowTop(j, second), Px(525), Px(210));
        b->setText(second ? tr("Try paper %1 again").arg(j + 1) : tr("Load paper %1").arg(j + 1));
        b->setToolTip(b->text());
        connect(b, &SkinnedButton::clicked, this,
                [this, j, second] { emit paperClicked(j, second ? 2 : 1); });
        auto* score =
            MakeLabel(this, QStringLiteral("MS%1%2").arg(second ? 'B' : 'A').arg(j + 1), QString(),
                      QRect(Px(kPercentLeft), SlotRowTop(j, second), 0, Px(210)), ArialFont(8));
        (second ? slot.tryAgain : slot.load) = b;
        (second ? slot.second : slot.first) = score;
    }
    slot.tryAgain->hide();
}

void HomeView::loadPictures() {
    m_colHead[0]->setPixmap(SkinPicture(m_folder, QStringLiteral("columnhead1.bmp")));
    m_colHead[1]->setPixmap(SkinPicture(m_folder, QStringLiteral("columnhead2.bmp")));
    const QPixmap bullet = SkinPicture(m_folder, QStringLiteral("bullet.bmp"));
    for (QLabel* b : m_bullets) {
        b->setPixmap(bullet);
        if (!bullet.isNull()) b->resize(bullet.size());
    }
    for (const PaperSlot& slot : m_slots) {
        slot.load->update();
        slot.tryAgain->update();
    }
}

void HomeView::setTopics(const QStringList& names, int numberOfTopics) {
    for (int i = 0; i < kTopicCapacity; ++i) {
        const bool shown = i < numberOfTopics;
        m_topics[i]->setText(shown ? names.value(i) : QString());
        m_topics[i]->setVisible(shown);
        m_bullets[i]->setVisible(shown);
    }
}

void HomeView::showScore(int j, bool second, const QString& score, bool rightAligned) {
    QLabel* label = second ? m_slots[j].second : m_slots[j].first;
    label->setText(score);
    const int width = score.isEmpty() ? 0 : label->sizeHint().width();
    const int columnLeft = Px(kPercentLeft);
    label->resize(width, label->height());
    label->move(rightAligned ? columnLeft - width - Px(kScoreGap) : columnLeft, label->y());

    const QString attempt = second ? tr("second attempt") : tr("first attempt");
    const QString told = score.isEmpty() ? tr("not marked") : tr("%1 percent").arg(score);
    label->setAccessibleName(tr("Paper %1, %2, %3").arg(j + 1).arg(attempt, told));
    SkinnedButton* button = second ? m_slots[j].tryAgain : m_slots[j].load;
    button->setAccessibleDescription(
        (second ? tr("Second attempt: %1") : tr("First attempt: %1")).arg(told));
}

void HomeView::TopicChoosing(int firstPaper, const QStringList& firstScores,
                             const QStringList& secondScores, const QString& topicName) {
    for (int j = 0; j < kPapersPerTopic; ++j) {
        const QString fse = firstScores.value(firstPaper + j - 1);
        const QString sse = secondScores.value(firstPaper + j - 1);
        const PaperSlotLook look = ArrangePaperSlot(fse, sse);
        showScore(j, false, fse, look.firstScoreRightAligned);
        showScore(j, true, sse, look.secondScoreRightAligned);
        m_slots[j].tryAgain->setVisible(look.tryAgainShown);
        m_slots[j].load->show();
    }
    m_subH1->setText(topicName);
}

void HomeView::Topicbuttoncolour(int topic) {
    for (int i = 0; i < kTopicCapacity; ++i) m_topics[i]->setChosen(i + 1 == topic);
}

QString HomeView::subHeading() const {
    return m_subH1->text();
}

void HomeView::focusChosenTopic() {
    for (TopicEntry* topic : m_topics)
        if (topic->chosen()) topic->setFocus(Qt::OtherFocusReason);
}

QList<FocusStop> HomeView::focusStops() const {
    QList<FocusStop> stops{FocusStop{{m_topics, m_topics + kTopicCapacity}}};
    for (const PaperSlot& slot : m_slots) {
        stops.append(FocusStop{{slot.load}});
        stops.append(FocusStop{{slot.tryAgain}});
    }
    return stops;
}
