#include "ui/main/home_view.h"

#include <QLabel>
#include <QMouseEvent>

#include "platform/cursor_hit.h"
#include "platform/picture_cache.h"
#include "platform/units.h"
#include "ui/main/navigation.h"
#include "ui/main/picture_button.h"

namespace {
constexpr double kPercentLeft = 5040;  // twips inside Body_Home
constexpr double kScoreGap = 20;
int SlotRowTop(int slot, bool secondRow) {  // slot 0..4
    return Px(1200 + 960 * slot + (secondRow ? 240 : 0));
}
QFont Arial(double points, bool bold = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                  const QFont& font) {
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty()) label->setObjectName(name);
    label->setFont(font);
    label->setGeometry(rect);
    return label;
}
const QString kLoadOff = QStringLiteral("loadbutton_off.bmp");
const QString kLoadOn = QStringLiteral("loadbutton_on.bmp");
}  // namespace

HomeView::HomeView(const QString& graphicsFolder, QWidget* parent)
    : QWidget(parent), m_folder(graphicsFolder) {
    setObjectName(QStringLiteral("Body_Home"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    resize(SizeTw(6015, 5655));

    // Soft stripes behind alternate paper slots, for the eye to follow a row.
    for (int j = 0; j < 5; j += 2) {
        auto* stripe = new QWidget(this);
        stripe->setAutoFillBackground(true);
        QPalette sp = stripe->palette();
        sp.setColor(QPalette::Window, QColor(243, 247, 252));
        stripe->setPalette(sp);
        stripe->setGeometry(RectTw(2520, 900 + 960 * j, 3435, 900));
    }

    const QFont text = Arial(8);
    const char* const heads[2] = {"Select a Topic", "Select a Paper"};
    const QRect headRects[2] = {RectTw(0, 0, 2535, 375), RectTw(2490, 0, 3495, 375)};
    for (int i = 0; i < 2; ++i) {
        m_colHead[i] =
            MakeLabel(this, QStringLiteral("ColHead%1").arg(i + 1), QString(), headRects[i], text);
        m_colHead[i]->setScaledContents(true);
        auto* caption =
            MakeLabel(m_colHead[i], QString(), QString::fromLatin1(heads[i]),
                      QRect(8, 0, headRects[i].width() - 8, headRects[i].height()), Arial(8, true));
        caption->setObjectName(QStringLiteral("ColHead%1lbl").arg(i + 1));
        QPalette cp = caption->palette();
        cp.setColor(QPalette::WindowText, Qt::white);
        caption->setPalette(cp);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    for (int i = 0; i < 10; ++i) {
        const QRect entry = RectTw(360, 600 + 480 * i, 2040, 210);
        m_bullets[i] = MakeLabel(this, QStringLiteral("Bullet%1").arg(i + 1), QString(),
                                 QRect(Px(120), entry.top() + 1, 12, 12), text);
        m_topics[i] = MakeLabel(this, QStringLiteral("Topic%1").arg(i + 1), QString(), entry, text);
        m_topics[i]->setCursor(Qt::PointingHandCursor);
        m_topics[i]->installEventFilter(this);
    }

    m_subH1 = MakeLabel(this, QStringLiteral("SubH1"), QStringLiteral("Select a Paper"),
                        RectTw(2640, 360, 3255, 495), Arial(10, true));
    QPalette blue = m_subH1->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 128));
    m_subH1->setPalette(blue);
    m_subH1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_percent = new QWidget(this);
    m_percent->setObjectName(QStringLiteral("Percent1a"));
    m_percent->setGeometry(Px(kPercentLeft), Px(1200), Px(135),
                           SlotRowTop(4, true) + Px(210) - Px(1200));
    for (int j = 0; j < 5; ++j) {
        MakeLabel(this, QStringLiteral("lblPaper%1").arg(j + 1),
                  QStringLiteral("Paper %1").arg(j + 1), RectTw(2640, 960 + 960 * j, 1200, 210),
                  Arial(8, true));
        MakeLabel(this, QString(), QStringLiteral("1st Attempt:"),
                  QRect(Px(3600), SlotRowTop(j, false), Px(1100), Px(210)), text);
        MakeLabel(this, QString(), QStringLiteral("2nd Attempt:"),
                  QRect(Px(3600), SlotRowTop(j, true), Px(1100), Px(210)), text);
        for (int row = 0; row < 2; ++row) {
            MakeLabel(m_percent, QString(), QStringLiteral("%"),
                      QRect(0, SlotRowTop(j, row == 1) - Px(1200), Px(135), Px(210)), text);
        }

        m_load[j] = new PictureButton(QStringLiteral("P%1a").arg(j + 1), m_folder, this);
        m_load[j]->setGeometry(Px(3000), SlotRowTop(j, false), Px(525), Px(210));
        m_load[j]->setToolTip(QStringLiteral("Load paper %1").arg(j + 1));
        m_tryAgain[j] = new PictureButton(QStringLiteral("P%1b").arg(j + 1), m_folder, this);
        m_tryAgain[j]->setGeometry(Px(3000), SlotRowTop(j, true), Px(525), Px(210));
        m_tryAgain[j]->setToolTip(QStringLiteral("Try paper %1 again").arg(j + 1));
        m_tryAgain[j]->hide();
        connect(m_load[j], &PictureButton::clicked, this, [this, j] { emit paperClicked(j, 1); });
        connect(m_tryAgain[j], &PictureButton::clicked, this,
                [this, j] { emit paperClicked(j, 2); });

        m_firstScores[j] =
            MakeLabel(this, QStringLiteral("MSA%1").arg(j + 1), QString(),
                      QRect(Px(kPercentLeft), SlotRowTop(j, false), 0, Px(210)), text);
        m_secondScores[j] =
            MakeLabel(this, QStringLiteral("MSB%1").arg(j + 1), QString(),
                      QRect(Px(kPercentLeft), SlotRowTop(j, true), 0, Px(210)), text);
    }
    loadPictures();
}

void HomeView::loadPictures() {
    m_colHead[0]->setPixmap(LoadPicture(m_folder, QStringLiteral("columnhead1.bmp")));
    m_colHead[1]->setPixmap(LoadPicture(m_folder, QStringLiteral("columnhead2.bmp")));
    const QPixmap bullet = LoadPicture(m_folder, QStringLiteral("bullet.bmp"));
    for (QLabel* b : m_bullets) {
        b->setPixmap(bullet);
        if (!bullet.isNull()) b->resize(bullet.size());
    }
    for (int j = 0; j < 5; ++j) {
        m_load[j]->showPicture(kLoadOff);
        m_tryAgain[j]->showPicture(kLoadOff);
    }
}

void HomeView::setTopics(const QStringList& names, int topicCount) {
    for (int i = 0; i < 10; ++i) {
        m_topics[i]->setText(i < names.size() && i < topicCount ? names[i] : QString());
        const bool shown = i < topicCount;
        m_topics[i]->setVisible(shown);
        m_bullets[i]->setVisible(shown);
    }
}

void HomeView::placeScore(QLabel* score, bool rightAligned) {
    const int columnLeft = Px(kPercentLeft);
    const int width = score->text().isEmpty() ? 0 : score->sizeHint().width();
    score->resize(width, score->height());
    score->move(rightAligned ? columnLeft - width - Px(kScoreGap) : columnLeft, score->y());
}

void HomeView::TopicChoosing(int firstPaper, const QStringList& firstScores,
                             const QStringList& secondScores, const QString& topicName) {
    for (int j = 0; j < 5; ++j) {
        const int index = firstPaper + j - 1;
        const QString fse =
            index >= 0 && index < firstScores.size() ? firstScores[index] : QString();
        const QString sse =
            index >= 0 && index < secondScores.size() ? secondScores[index] : QString();
        m_firstScores[j]->setText(fse);
        m_secondScores[j]->setText(sse);
        const PaperSlotLook look = ArrangePaperSlot(fse, sse);
        placeScore(m_firstScores[j], look.firstScoreRightAligned);
        placeScore(m_secondScores[j], look.secondScoreRightAligned);
        m_tryAgain[j]->setVisible(look.tryAgainShown);
        m_load[j]->show();
    }
    m_subH1->setText(topicName);
}

void HomeView::Topicbuttoncolour(int topic) {
    for (QLabel* entry : m_topics) {
        entry->setAutoFillBackground(false);
        QPalette pal = entry->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        entry->setPalette(pal);
    }
    if (topic < 1 || topic > 10) return;
    QLabel* chosen = m_topics[topic - 1];
    QPalette pal = chosen->palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 128));
    pal.setColor(QPalette::WindowText, palette().color(QPalette::HighlightedText));
    chosen->setPalette(pal);
    chosen->setAutoFillBackground(true);
}

QString HomeView::subHeading() const {
    return m_subH1->text();
}

void HomeView::setSubHeading(const QString& text) {
    m_subH1->setText(text);
}

void HomeView::hover(QPoint globalCursor) {
    for (int j = 0; j < 5; ++j) {
        for (PictureButton* b : {m_load[j], m_tryAgain[j]})
            b->showPicture(CursorOver(b, globalCursor) ? kLoadOn : kLoadOff);
    }
}

bool HomeView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int i = 0; i < 10; ++i) {
            if (watched == m_topics[i]) {
                emit topicClicked(i + 1);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
