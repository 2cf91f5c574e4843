#include "ui/main/main_toolbar.h"

#include <QLabel>
#include <QMouseEvent>

#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"
#include "ui/main/main_keys.h"
#include "ui/main/navigation.h"

namespace {
const QSize kToolbarPicture(44, 36);  // while the picture cannot be read
constexpr int kCaptionHeight = 14;
constexpr int kLeft = 14;
constexpr int kStep = 58;

// The key of slot 1 to 4 on each page; slot 3 has none on the Help tab.
MainAction SlotAction(int slot, bool helpTab) {
    static const MainAction module[4] = {MainAction::Home, MainAction::Report, MainAction::Print,
                                         MainAction::Close};
    static const MainAction help[4] = {MainAction::About, MainAction::Trash, MainAction::Print,
                                       MainAction::Setup};
    return (helpTab ? help : module)[slot - 1];
}
}  // namespace

MainToolbar::MainToolbar(const QString& graphicsFolder, QWidget* window)
    : QObject(window), m_folder(graphicsFolder) {
    for (int s = 0; s < 4; ++s) {
        m_buttons[s] = new SkinnedButton(QStringLiteral("ToolBar0%1").arg(s + 1), m_folder, window);
        // Sized now so that showing it asks for no picture: the pictures may still be on their
        // way to the disk; place() fits it to its picture.
        m_buttons[s]->resize(kToolbarPicture);
        m_captions[s] = new QLabel(window);
        m_captions[s]->setObjectName(QStringLiteral("lblTB0%1").arg(s + 1));
        m_captions[s]->setFont(ArialFont(8));
        m_captions[s]->setAlignment(Qt::AlignCenter);
        SetTextColour(m_captions[s], kCaptionText);
        m_buttons[s]->addCaption(m_captions[s]);
        m_buttons[s]->installEventFilter(this);
        connect(m_buttons[s], &SkinnedButton::clicked, this,
                [this, s] { emit slotClicked(s + 1); });
    }
    new ArrowGroup({m_buttons, m_buttons + 4}, ArrowGroup::Move::FocusOnly, this);
    showPage(false);
}

int MainToolbar::place(int top) {
    int captionBottom = top;
    for (int s = 0; s < 4; ++s) {
        SkinnedButton* b = m_buttons[s];
        b->sizeToPicture(kToolbarPicture);
        const int left = kLeft + s * kStep;
        b->move(left, top);
        const int captionTop = top + b->height() + 1;
        const int captionWidth = qMax(b->width(), kStep - 2);
        m_captions[s]->setGeometry(left + (b->width() - captionWidth) / 2, captionTop, captionWidth,
                                   kCaptionHeight);
        captionBottom = captionTop + kCaptionHeight;
    }
    return captionBottom;
}

void MainToolbar::showPage(bool helpTab) {
    for (int s = 0; s < 4; ++s) {
        const ToolbarSlotLook look = ToolbarSlot(s + 1, helpTab);
        m_buttons[s]->setVisible(look.visible);
        m_captions[s]->setVisible(look.visible);
        if (!look.visible) continue;
        m_captions[s]->setText(look.caption);
        m_buttons[s]->setText(look.caption);
        m_buttons[s]->setToolTipEverywhere(WithKey(look.tooltip, SlotAction(s + 1, helpTab)));
        m_buttons[s]->setLook({look.normal, look.hovered, look.pressed, {}});
    }
}

FocusStop MainToolbar::focusStop() const {
    return FocusStop{{m_buttons, m_buttons + 4}};
}

bool MainToolbar::eventFilter(QObject*, QEvent* event) {
    // Only the picture tracks the press, as the caption does not.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            emit pressTracked(event->type() == QEvent::MouseButtonPress);
    }
    return false;
}
