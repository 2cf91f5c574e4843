#include "ui/practice/practice_toolbar.h"

#include <QLabel>

#include "platform/picture_cache.h"
#include "platform/units.h"
#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"
#include "ui/practice/practice_geometry.h"

namespace {

struct ButtonText {
    const char* caption;
    const char* tooltip;
};
constexpr ButtonText kTexts[kToolbarButtonCount] = {
    {QT_TRANSLATE_NOOP("PracticeToolbar", "Save"),
     QT_TRANSLATE_NOOP("PracticeToolbar", "Save paper")},
    {QT_TRANSLATE_NOOP("PracticeToolbar", "Mark"),
     QT_TRANSLATE_NOOP("PracticeToolbar", "Mark paper")},
    {QT_TRANSLATE_NOOP("PracticeToolbar", "Print"),
     QT_TRANSLATE_NOOP("PracticeToolbar", "Print question")},
    {QT_TRANSLATE_NOOP("PracticeToolbar", "Close"),
     QT_TRANSLATE_NOOP("PracticeToolbar", "Close paper")},
    {QT_TRANSLATE_NOOP("PracticeToolbar", "Back"),
     QT_TRANSLATE_NOOP("PracticeToolbar", "Previous question")},
    {QT_TRANSLATE_NOOP("PracticeToolbar", "Next"),
     QT_TRANSLATE_NOOP("PracticeToolbar", "Next question")}};

constexpr int kCaptionHeight = 14;
constexpr int kTopMargin = 3;
constexpr int kStripHeight = 56;
constexpr int kCountGap = 6;
constexpr QSize kFallbackButton(44, 36);

QString Name(const char* prefix, int i) {
    return QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i + 1, 2, 10, QLatin1Char('0'));
}

QLabel* CountLabel(const QString& name, const QString& text, double points, bool bold,
                   QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(ArialFont(points, bold));
    SetTextColour(l);
    return l;
}

}  // namespace

std::array<bool, kToolbarButtonCount> ToolbarEnabled(bool marked, int current, int count) {
    return {!marked, !marked, true, true, current != 1, current != count};
}

QString ToolbarPictureStem(PracticeAction b) {
    static const char* const stems[] = {"save", "mark", "print", "close", "back", "forward"};
    return QLatin1String(stems[static_cast<int>(b)]);
}

PracticeToolbar::PracticeToolbar(const QString& graphicsFolder, QWidget* parent)
    : QFrame(parent), graphics_(graphicsFolder) {
    setObjectName(QStringLiteral("PicToolBar"));
    PaintGround(this, kSkinSurface);
    for (int i = 0; i < kToolbarButtonCount; ++i) buildButton(i);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("PaperSum"));
    summary_->setPixmap(LoadPicture(graphics_, QStringLiteral("pen.bmp")));
    summary_->adjustSize();
    buildCounts();
}

void PracticeToolbar::buildButton(int i) {
    const auto b = static_cast<PracticeAction>(i);
    const QString stem = ToolbarPictureStem(b);
    auto* button = new SkinnedButton(Name("ToolBar", i), graphics_, this);
    // Print and Close are never disabled and have no such picture.
    const bool canBeDisabled = b != PracticeAction::Print && b != PracticeAction::Close;
    button->setLook({stem + QStringLiteral("_off.bmp"), stem + QStringLiteral("_on.bmp"),
                     stem + QStringLiteral("_pressed.bmp"),
                     canBeDisabled ? stem + QStringLiteral("_disabled.bmp") : QString()});
    button->sizeToPicture(kFallbackButton);
    button->setFixedSize(button->size());
    auto* caption = new QLabel(tr(kTexts[i].caption), this);
    caption->setObjectName(Name("lblTB", i));
    caption->setFont(ArialFont(8));
    SetTextColour(caption);
    caption->setAlignment(Qt::AlignCenter);
    button->addCaption(caption);
    const QString tip = WithKeys(tr(kTexts[i].tooltip), b);
    button->setToolTipEverywhere(tip);
    button->setAccessibleDescription(tip);
    connect(button, &SkinnedButton::clicked, this, [this, b] { emit triggered(b); });
    buttons_[static_cast<size_t>(i)] = button;
    captions_[static_cast<size_t>(i)] = caption;
}

void PracticeToolbar::buildCounts() {
    answeredCaption_ =
        CountLabel(QStringLiteral("lblAnsweredCaption"), tr("Answered"), 8, false, this);
    answered_ = CountLabel(QStringLiteral("lblAnsweredQ"), QStringLiteral("0"), 11, true, this);
    answered_->setToolTip(tr("Number of questions answered"));
    answered_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    slash_ = CountLabel(QStringLiteral("lblSlash"), QStringLiteral("/"), 11, true, this);
    slash_->setAlignment(Qt::AlignCenter);
    slash_->setAccessibleName(tr("of"));
    total_ = CountLabel(QStringLiteral("lblTotalQ"), QString(), 11, true, this);
    total_->setToolTip(tr("Total number of questions"));
}

void PracticeToolbar::setEnabledStates(const std::array<bool, kToolbarButtonCount>& enabled) {
    for (size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->isEnabled() != enabled[i]) buttons_[i]->setEnabled(enabled[i]);
}

void PracticeToolbar::setCounts(int answered, int total) {
    const QString a = QString::number(answered);
    const QString t = QString::number(total);
    if (answered_->text() == a && total_->text() == t) return;
    answered_->setText(a);
    total_->setText(t);
    answered_->setAccessibleName(tr("%1 of %2 answer parts answered").arg(a, t));
}

bool PracticeToolbar::pressTrack() const {
    for (const SkinnedButton* b : buttons_)
        if (b->isDown()) return true;
    return false;
}

int PracticeToolbar::preferredHeight() const {
    int h = 0;
    for (const SkinnedButton* b : buttons_) h = std::max(h, b->height());
    return std::max(kStripHeight, kTopMargin + h + 1 + kCaptionHeight + 2);
}

void PracticeToolbar::layoutFor(int windowWidth) {
    QSize sizes[kToolbarButtonCount];
    for (int i = 0; i < kToolbarButtonCount; ++i)
        sizes[i] = buttons_[static_cast<size_t>(i)]->size();
    const ToolbarLayout t = LayoutToolbar(width(), windowWidth, sizes);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        SkinnedButton* b = buttons_[i];
        b->move(t.buttonLeft[i], kTopMargin);
        const int capW = std::max(b->width(), std::min(56, captions_[i]->sizeHint().width()));
        captions_[i]->setGeometry(b->x() + (b->width() - capW) / 2, b->y() + b->height() + 1, capW,
                                  kCaptionHeight);
    }
    summary_->move(t.summaryLeft, (height() - summary_->height()) / 2);
    layoutCounts();
}

// "Answered" over "3 / 34", just right of the summary picture.
void PracticeToolbar::layoutCounts() {
    const QRect pen = summary_->geometry();
    const int x = pen.right() + kCountGap;
    const int numberHeight = 22;
    answeredCaption_->setGeometry(x, pen.top() - 2, 90, 14);
    answered_->setGeometry(x, pen.top() + 13, 28, numberHeight);
    slash_->setGeometry(x + 28, pen.top() + 13, 10, numberHeight);
    total_->setGeometry(x + 38, pen.top() + 13, 40, numberHeight);
}
