#include "ui/frame/frm_popup.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>

#include "platform/units.h"
#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"

namespace {
constexpr int kShortMessage = 33;  // messages shorter than this drop 7 pixels
constexpr int kDrop = 7;
constexpr int kButtonGap = 10;
}  // namespace

FrmPopUp::FrmPopUp(const QString& graphicsFolder, QWidget* parent)
    : SkinnedWindow(DialogSkin(graphicsFolder), parent ? parent->window() : nullptr, Qt::Dialog) {
    setObjectName(QStringLiteral("frmPopUp"));
    // The pictures are drawn on this colour.
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kSkinSurface);
    setPalette(pal);
    setAttribute(Qt::WA_DeleteOnClose, false);
    titleLabel()->setText(tr("Vantora"));

    const QFont arial = ArialFont(8.25);

    m_info = new QLabel(this);
    m_info->setObjectName(QStringLiteral("ImgInfo"));
    m_info->setAccessibleName(tr("Information"));
    const QPixmap info = picture(QStringLiteral("info_mark.gif"));
    m_info->setPixmap(info);
    m_info->resize(info.isNull() ? SizeTw(480, 405) : info.size());

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setFont(arial);
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->resize(SizeTw(2880, 420));

    for (int i = 0; i < 2; ++i) {
        const QString name = QStringLiteral("But%1").arg(i + 1);
        m_buttons[i] = new SkinnedButton(name, graphicsFolder, this);
        m_buttons[i]->setLook(SkinnedButton::PlainLook());
        m_buttons[i]->sizeToPicture(SizeTw(1215, 375));
        m_captions[i] = new QLabel(m_buttons[i]);
        m_captions[i]->setObjectName(name + QStringLiteral("_lbl"));
        m_captions[i]->setFont(arial);
        m_captions[i]->setAlignment(Qt::AlignCenter);
        // The caption spans the button; its design height sits 60 twips down.
        m_captions[i]->setGeometry(0, Px(60), m_buttons[i]->width(), Px(255));
        m_buttons[i]->addCaption(m_captions[i]);
        connect(m_buttons[i], &SkinnedButton::clicked, this, [this, i] { press(i); });
    }
    // The dialog's buttons, not the title strip, are what Tab visits.
    setTabOrder(m_buttons[0], m_buttons[1]);

    resize(SizeTw(3975, 2250));
    relayout();
}

void FrmPopUp::layoutContent() {
    if (!m_message) return;  // still being built
    const QRect topRight = piece(Piece::TopRight)->geometry();
    m_info->move(titleLabel()->x(), topRight.top() + topRight.height() + Px(240));
    const int messageLeft = m_info->x() + m_info->width() + Px(150);
    const int buttonTop = height() - m_buttons[0]->height() - Px(240);
    const int messageTop = m_info->y() + (m_dropMessage ? kDrop : 0);
    const int messageWidth = qMax(0, width() - messageLeft - Px(240));
    // A long message may take more lines than designed, as far as the buttons.
    const int wanted = qMax(Px(420), m_message->heightForWidth(messageWidth));
    m_message->setGeometry(messageLeft, messageTop, messageWidth,
                           qMax(0, qMin(wanted, buttonTop - 4 - messageTop)));
    m_buttons[0]->move(m_buttons[0]->x(), buttonTop);
    m_buttons[1]->move(m_buttons[1]->x(), buttonTop);
}

void FrmPopUp::CallPop(const QString& title, const QString& message, int buttonCount,
                       QWidget* over) {
    titleLabel()->setText(title);
    setWindowTitle(title);
    m_message->setText(message);
    setAccessibleDescription(message);
    auto caption = [this](int i, const QString& text) {
        m_captions[i]->setText(text);
        m_buttons[i]->setText(text);
    };
    if (buttonCount == 1) {
        m_buttons[0]->show();
        m_buttons[1]->hide();
        m_buttons[0]->move((width() - m_buttons[0]->width()) / 2, m_buttons[0]->y());
        caption(0, tr("OK"));
    } else if (buttonCount == 2) {
        m_buttons[0]->show();
        m_buttons[1]->show();
        m_buttons[0]->move(m_message->x(), m_buttons[0]->y());
        m_buttons[1]->move(m_buttons[0]->x() + m_buttons[0]->width() + kButtonGap,
                           m_buttons[0]->y());
        caption(0, tr("Yes"));
        caption(1, tr("No"));
    }
    m_buttons[0]->setToolTipEverywhere(twoButtons() ? tr("Yes (Enter or Y)") : tr("OK (Enter)"));
    m_buttons[1]->setToolTipEverywhere(tr("No (Escape or N)"));
    m_dropMessage = message.size() < kShortMessage;
    // Made for a line or two; a longer message (a file and why it cannot be written) is all
    // shown, the dialog growing downwards.
    resize(SizeTw(3975, 2250));
    relayout();
    const int missing = m_message->heightForWidth(m_message->width()) - m_message->height();
    if (missing > 0) {
        resize(width(), height() + missing);
        relayout();
    }

    QWidget* anchor = over ? over : parentWidget();
    if (anchor) {
        const QRect a = anchor->window()->frameGeometry();
        move(a.left() + (a.width() - width()) / 2, a.top() + (a.height() - height()) / 2);
    }
}

void FrmPopUp::setDefaultAnswer(PopUpResponse answer) {
    m_defaultButton = answer == PopUpResponse::False ? 1 : 0;
}

int FrmPopUp::defaultButton() const {
    return twoButtons() ? m_defaultButton : 0;
}

PopUpResponse FrmPopUp::exec() {
    // Blocks the window it belongs to, so a window manager keeps that window right under it.
    setWindowModality(parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    m_closed = false;
    m_answer = PopUpResponse::Unanswered;
    show();
    raise();
    activateWindow();
    m_buttons[defaultButton()]->setFocus(Qt::ActiveWindowFocusReason);
    if (!m_closed) {
        QEventLoop loop;
        m_loop = &loop;
        loop.exec(QEventLoop::DialogExec);
        m_loop = nullptr;
    }
    return m_answer;
}

bool FrmPopUp::twoButtons() const {
    return !m_buttons[1]->isHidden();
}

void FrmPopUp::press(int button) {
    if (m_closed) return;
    m_answer = button == 0 ? PopUpResponse::True : PopUpResponse::False;
    emit answered(m_answer);
    close();
}

void FrmPopUp::keyPressEvent(QKeyEvent* event) {
    const bool plain =
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Reached only when no button has the focus (a focused button takes its own Enter).
            press(defaultButton());
            return;
        case Qt::Key_Escape:
            if (twoButtons())
                press(1);
            else
                close();
            return;
        case Qt::Key_Y:
            if (plain && twoButtons()) {
                press(0);
                return;
            }
            break;
        case Qt::Key_N:
            if (plain && twoButtons()) {
                press(1);
                return;
            }
            break;
        default:
            break;
    }
    SkinnedWindow::keyPressEvent(event);
}

void FrmPopUp::closeEvent(QCloseEvent* event) {
    m_closed = true;
    if (m_loop) m_loop->quit();
    SkinnedWindow::closeEvent(event);
}
