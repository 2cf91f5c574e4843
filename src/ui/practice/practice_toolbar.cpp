#include "ui/practice/practice_toolbar.h"

#include <QFile>
#include <QLabel>

#include "platform/picture_cache.h"
#include "platform/units.h"
#include "ui/practice/image_button.h"
#include "ui/practice/practice_geometry.h"

namespace {

struct ButtonText {
    const char* caption;
    const char* tooltip;
};
constexpr ButtonText kTexts[kToolbarButtonCount] = {
    {"Save", "Save paper"},   {"Mark", "Mark paper"},        {"Print", "Print question"},
    {"Close", "Close paper"}, {"Back", "Previous question"}, {"Next", "Next question"}};

constexpr int kCaptionHeight = 14;
constexpr int kTopMargin = 3;
constexpr int kStripHeight = 56;
constexpr QSize kFallbackButton(44, 36);

QString Name(const char* prefix, int i) {
    return QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i + 1, 2, 10, QLatin1Char('0'));
}

}  // namespace

std::array<bool, kToolbarButtonCount> ToolbarEnabled(bool marked, int current, int count) {
    return {!marked, !marked, true, true, current != 1, current != count};
}

ButtonLook ToolbarLook(bool enabled, bool underCursor, bool pressTrack) {
    if (!enabled) return ButtonLook::Disabled;
    if (!underCursor) return ButtonLook::Off;
    return pressTrack ? ButtonLook::Pressed : ButtonLook::On;
}

QString ToolbarPictureStem(ToolbarButton b) {
    static const char* const stems[] = {"save", "mark", "print", "close", "back", "forward"};
    return QLatin1String(stems[static_cast<int>(b)]);
}

PracticeToolbar::PracticeToolbar(const QString& graphicsFolder, QWidget* parent)
    : QFrame(parent), graphics_(graphicsFolder) {
    QFont captionFont(QStringLiteral("Arial"));
    captionFont.setPointSize(8);
    for (int i = 0; i < kToolbarButtonCount; ++i) {
        const auto b = static_cast<ToolbarButton>(i);
        auto* button = new ImageButton(this);
        button->setObjectName(Name("ToolBar", i));
        button->setToolTip(QLatin1String(kTexts[i].tooltip));
        const QPixmap off = picture(b, ButtonLook::Off);
        button->setPixmap(off);
        button->setFixedSize(off.isNull() ? kFallbackButton : off.size());
        if (off.isNull()) button->setText(QLatin1String(kTexts[i].caption));
        auto* caption = new QLabel(QLatin1String(kTexts[i].caption), this);
        caption->setObjectName(Name("lblTB", i));
        caption->setFont(captionFont);
        QPalette cp = caption->palette();
        cp.setColor(QPalette::Active, QPalette::WindowText, QColor(33, 52, 84));
        cp.setColor(QPalette::Inactive, QPalette::WindowText, QColor(33, 52, 84));
        cp.setColor(QPalette::Disabled, QPalette::WindowText, QColor(160, 164, 170));
        caption->setPalette(cp);
        caption->setAlignment(Qt::AlignCenter);
        caption->setToolTip(button->toolTip());
        button->addCaption(caption);
        connect(button, &ImageButton::clicked, this, [this, b] { emit triggered(b); });
        connect(button, &ImageButton::pressed, this, [this] { emit pressTrackChanged(true); });
        connect(button, &ImageButton::released, this, [this] { emit pressTrackChanged(false); });
        buttons_[static_cast<size_t>(i)] = button;
        captions_[static_cast<size_t>(i)] = caption;
    }
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("PaperSum"));
    summary_->setPixmap(LoadPicture(graphics_, QStringLiteral("pen.bmp")));
    summary_->adjustSize();
}

QPixmap PracticeToolbar::picture(ToolbarButton b, ButtonLook look) {
    static const char* const suffix[] = {"off", "on", "pressed", "disabled"};
    // Print and Close are never disabled and have no such picture.
    const QString name = ToolbarPictureStem(b) + QLatin1Char('_') +
                         QLatin1String(suffix[static_cast<int>(look)]) + QStringLiteral(".bmp");
    return LoadPicture(graphics_, name);
}

void PracticeToolbar::update(const std::array<bool, kToolbarButtonCount>& enabled,
                             QPoint cursorGlobal, bool pressTrack) {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        ImageButton* button = buttons_[i];
        const QRect screenRect(button->mapToGlobal(QPoint(0, 0)), button->size());
        const ButtonLook look =
            ToolbarLook(enabled[i], screenRect.contains(cursorGlobal), pressTrack);
        button->setEnabled(enabled[i]);
        captions_[i]->setEnabled(enabled[i]);
        if (lookSet_[i] && looks_[i] == look) continue;
        looks_[i] = look;
        lookSet_[i] = true;
        const QPixmap pm = picture(static_cast<ToolbarButton>(i), look);
        if (!pm.isNull()) button->setPixmap(pm);
    }
}

int PracticeToolbar::preferredHeight() const {
    int h = 0;
    for (const ImageButton* b : buttons_) h = std::max(h, b->height());
    return std::max(kStripHeight, kTopMargin + h + 1 + kCaptionHeight + 2);
}

void PracticeToolbar::layoutFor(int windowWidth) {
    QSize sizes[kToolbarButtonCount];
    for (int i = 0; i < kToolbarButtonCount; ++i)
        sizes[i] = buttons_[static_cast<size_t>(i)]->size();
    const ToolbarLayout t = LayoutToolbar(width(), windowWidth, sizes);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        ImageButton* b = buttons_[i];
        b->move(t.buttonLeft[i], kTopMargin);
        const int capW = std::max(b->width(), std::min(56, captions_[i]->sizeHint().width()));
        captions_[i]->setGeometry(b->x() + (b->width() - capW) / 2, b->y() + b->height() + 1, capW,
                                  kCaptionHeight);
    }
    summary_->move(t.summaryLeft, (height() - summary_->height()) / 2);
}
