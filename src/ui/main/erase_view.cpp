#include "ui/main/erase_view.h"

#include <QLabel>

#include "platform/units.h"
#include "ui/frame/announcer.h"
#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"
#include "ui/main/view_parts.h"

EraseView::EraseView(const QString& graphicsFolder, QWidget* parent)
    : MainView(parent), m_folder(graphicsFolder) {
    setObjectName(QStringLiteral("Body_Trash"));
    MakeWhiteGround(this);
    SetTextColour(this, Qt::black);
    resize(SizeTw(6015, 5655));

    m_offerText = makeText(QStringLiteral("Trashlbl1"),
                           tr("Click on the button below if you wish to erase all your past "
                              "results and reset the program."),
                           RectTw(1080, 1320, 3855, 495));
    m_confirmText =
        makeText(QStringLiteral("Trashlbl2"), tr("Are you sure?"), RectTw(2040, 1440, 1815, 255));
    m_doneText =
        makeText(QStringLiteral("Trashlbl3"), tr("All your past results have been erased."),
                 RectTw(1920, 1320, 2055, 495));
    m_trash = makeButton(QStringLiteral("ButTrash"), tr("Trash"), RectTw(2280, 1920, 1200, 375));
    m_no = makeButton(QStringLiteral("ButTrash_No"), tr("No"), RectTw(1560, 1920, 1200, 375));
    m_yes = makeButton(QStringLiteral("ButTrash_Yes"), tr("Yes"), RectTw(3000, 1920, 1200, 375));
    m_trash->setAccessibleDescription(tr("Erase all your past results"));

    connect(m_trash, &SkinnedButton::clicked, this, [this] { setState(State::Confirm); });
    connect(m_no, &SkinnedButton::clicked, this, [this] { setState(State::Offer); });
    connect(m_yes, &SkinnedButton::clicked, this, [this] { emit eraseConfirmed(); });
    new ArrowGroup({m_no, m_yes}, ArrowGroup::Move::FocusOnly, this);
    setState(State::Offer);
}

QLabel* EraseView::makeText(const QString& name, const QString& text, const QRect& rect) {
    QLabel* label = MakeLabel(this, name, text, rect, ArialFont(9));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

SkinnedButton* EraseView::makeButton(const QString& name, const QString& caption,
                                     const QRect& rect) {
    auto* b = new SkinnedButton(name, m_folder, this);
    b->setLook(SkinnedButton::PlainLook());
    b->setGeometry(rect);
    QLabel* label = MakeLabel(b, name + QStringLiteral("lbl"), caption,
                              QRect(0, 0, rect.width(), rect.height()), ArialFont(9, true));
    label->setAlignment(Qt::AlignCenter);
    b->addCaption(label);
    return b;
}

void EraseView::setState(State state) {
    // A button of the view that hides itself (Trash, Yes, No) hands the focus to the first
    // control of the new state, never on to the title bar: the new controls are shown and take
    // the focus before the old ones go.
    QWidget* focus = window()->focusWidget();
    const bool focusHere = focus && (focus == this || isAncestorOf(focus)) && isVisible();
    m_state = state;
    const QList<QWidget*> offer{m_offerText, m_trash};
    const QList<QWidget*> confirm{m_confirmText, m_no, m_yes};  // No first: the safe answer
    const QList<QWidget*> done{m_doneText};
    const QList<QWidget*>& shown = state == State::Offer     ? offer
                                   : state == State::Confirm ? confirm
                                                             : done;
    for (QWidget* w : shown) w->show();
    if (state == State::Offer) {
        m_doneText->setText(tr("All your past results have been erased."));
        m_doneText->setGeometry(RectTw(1920, 1320, 2055, 495));
    }
    if (focusHere) {
        // The question or the outcome is heard before the button the focus lands on.
        if (state != State::Offer)
            Announce(this, state == State::Confirm ? m_confirmText->text() : m_doneText->text());
        QAbstractButton* first = nullptr;
        for (QWidget* w : shown)
            if (auto* b = qobject_cast<QAbstractButton*>(w); b && !first) first = b;
        if (first)
            first->setFocus(Qt::OtherFocusReason);
        else
            setFocus(Qt::OtherFocusReason);  // the window moves it on (Contents::focusFrontView)
    }
    for (QWidget* w : offer + confirm + done)
        if (!shown.contains(w)) w->hide();
}

void EraseView::showErased(const QString& problem) {
    // Results left as they were must not be announced as erased.
    if (!problem.isEmpty()) {
        m_doneText->setText(
            tr("Nothing was erased: %1. All your past results are kept as they were.")
                .arg(problem));
        m_doneText->setGeometry(RectTw(600, 1320, 4815, 1400));
    }
    setState(State::Done);
}

QList<FocusStop> EraseView::focusStops() const {
    return {FocusStop{{m_trash}}, FocusStop{{m_no}}, FocusStop{{m_yes}}};
}
