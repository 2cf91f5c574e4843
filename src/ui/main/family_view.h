#pragma once
// What the learners' views (Learners, Overview) share: lists, fields and tables among their
// buttons, so Tab walks a chain of widgets of the view's own rather than stops of buttons, and
// the plain captioned button of the skin.

#include <QList>
#include <QString>

#include "ui/main/main_view.h"

class SkinnedButton;

class FamilyView : public MainView {
  public:
    using MainView::MainView;
    // The view's controls in Tab order.
    virtual QList<QWidget*> focusChain() const = 0;
    // Its controls are reached through focusChain(), not as stops of buttons.
    QList<FocusStop> focusStops() const override { return {}; }
    // The next (or previous) control of the chain that can take the focus after `current`;
    // from outside the chain the first (or last); null past its end.
    QWidget* nextInChain(const QWidget* current, bool forward) const;
};

// The skin's plain button with `caption` centred on it, `tip` as its tooltip.
SkinnedButton* MakePlainButton(QWidget* parent, const QString& name, const QString& caption,
                               const QString& tip, const QString& graphicsFolder);
