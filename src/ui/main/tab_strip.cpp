#include "ui/main/tab_strip.h"

#include <QLabel>

#include "ui/frame/accessible_choice.h"
#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"
#include "ui/main/main_keys.h"
#include "ui/main/navigation.h"

namespace {
const QSize kTabPicture(96, 26);  // while the picture cannot be read

SkinnedButton::Look TabLook(bool front) {
    const QString set = front ? QStringLiteral("tabs_front_") : QStringLiteral("tabs_back_");
    return {set + QStringLiteral("off.bmp"),
            set + QStringLiteral("on.bmp"),
            set + QStringLiteral("on.bmp"),
            {}};
}
}  // namespace

TabStrip::TabStrip(const QString& graphicsFolder, QWidget* window)
    : QObject(window), m_folder(graphicsFolder) {
    // Tabs first, then the strip, so the strip covers the feet of the inactive tabs.
    for (int k = kHelpTab - 1; k >= 0; --k) {
        m_tabs[k] = new SkinnedButton(QStringLiteral("Tab0%1").arg(k + 1), m_folder, window);
        m_tabs[k]->setLook(TabLook(false));
        MakeChoice(m_tabs[k], QAccessible::PageTab);
        m_captions[k] = new QLabel(m_tabs[k]);
        m_captions[k]->setObjectName(QStringLiteral("Tab0%1lbl").arg(k + 1));
        m_captions[k]->setFont(ArialFont(9, true));
        m_captions[k]->setAlignment(Qt::AlignCenter);
        SetTextColour(m_captions[k], kCaptionText);
        m_tabs[k]->addCaption(m_captions[k]);
        connect(m_tabs[k], &SkinnedButton::clicked, this, [this, k] { emit tabClicked(k + 1); });
    }
    m_strip = new QWidget(window);
    m_strip->setObjectName(QStringLiteral("TabStrip"));
    PaintGround(m_strip, kSkinSurface);
    m_line = new QWidget(m_strip);
    PaintGround(m_line, kStripLine);
    new ArrowGroup({m_tabs, m_tabs + kHelpTab}, ArrowGroup::Move::FocusAndPress, this);
}

void TabStrip::loadPictures() {
    for (int k = 0; k < kHelpTab; ++k) {
        m_tabs[k]->sizeToPicture(kTabPicture);
        m_captions[k]->setGeometry(m_tabs[k]->rect());
    }
}

int TabStrip::tabHeight() const {
    return m_tabs[0]->height();
}

void TabStrip::placeStrip(const QRect& strip) {
    m_strip->setGeometry(strip);
    m_line->setGeometry(0, strip.height() - 10, strip.width(), 1);
}

QRect TabStrip::stripRect() const {
    return m_strip->geometry();
}

void TabStrip::setModules(const std::array<QString, kModuleCount>& labels) {
    std::array<bool, kModuleCount> exists{};
    std::array<int, kHelpTab> widths{};
    for (int k = 0; k < kHelpTab; ++k) {
        const bool module = k < kModuleCount;
        const QString label = module ? labels[size_t(k)] : tr("Help");
        if (module) exists[size_t(k)] = !label.isEmpty();
        widths[size_t(k)] = m_tabs[k]->width();
        m_captions[k]->setText(label);
        m_tabs[k]->setText(label);
        m_tabs[k]->setToolTipEverywhere(module ? tr("Load %1 Module").arg(label)
                                               : WithKey(tr("Help"), MainAction::HelpTab));
    }
    const std::array<int, kHelpTab> lefts = TabLefts(exists, widths, m_strip->x());
    for (int k = 0; k < kHelpTab; ++k) {
        m_tabs[k]->move(lefts[size_t(k)], TabTop(m_strip->y(), m_tabs[k]->height(), false));
        // Out of sight, and out of reach of Tab and screen readers too.
        m_tabs[k]->setVisible(k == kHelpTab - 1 || exists[size_t(k)]);
    }
}

void TabStrip::raiseTab(int tab) {
    for (int k = kHelpTab - 1; k >= 0; --k) m_tabs[k]->raise();
    m_strip->raise();
    if (tab < 1 || tab > kHelpTab) return;
    SkinnedButton* front = m_tabs[tab - 1];
    front->raise();
    for (SkinnedButton* t : m_tabs) {
        t->move(t->x(), TabTop(m_strip->y(), t->height(), t == front));
        t->setLook(TabLook(t == front));
        SetChosen(t, t == front);
    }
}

FocusStop TabStrip::focusStop() const {
    return FocusStop{{m_tabs, m_tabs + kHelpTab}};
}
