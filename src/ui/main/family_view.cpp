#include "ui/main/family_view.h"

#include <QLabel>

#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"

namespace {
const QSize kButtonFallback(80, 25);

bool TakesFocus(const QWidget* w) {
    return w && w->isVisibleTo(w->window()) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
}
}  // namespace

QWidget* FamilyView::nextInChain(const QWidget* current, bool forward) const {
    const QList<QWidget*> chain = focusChain();
    qsizetype at = -1;
    for (qsizetype i = 0; i < chain.size(); ++i)
        if (chain[i] == current || (current && chain[i]->isAncestorOf(current))) at = i;
    const qsizetype n = chain.size();
    qsizetype i = at < 0 ? (forward ? 0 : n - 1) : at + (forward ? 1 : -1);
    for (; i >= 0 && i < n; i += forward ? 1 : -1)
        if (TakesFocus(chain[i])) return chain[i];
    return nullptr;
}

SkinnedButton* MakePlainButton(QWidget* parent, const QString& name, const QString& caption,
                               const QString& tip, const QString& graphicsFolder) {
    auto* button = new SkinnedButton(name, graphicsFolder, parent);
    button->setLook(SkinnedButton::PlainLook());
    button->resize(kButtonFallback);
    auto* label = new QLabel(caption, button);
    label->setObjectName(name + QStringLiteral("_lbl"));
    label->setFont(ArialFont(8.25));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, 0, button->width(), button->height());
    button->addCaption(label);
    if (!tip.isEmpty()) button->setToolTipEverywhere(tip);
    return button;
}
