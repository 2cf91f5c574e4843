#include "ui/frame/frm_popup.h"

#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include "platform/cursor_hit.h"
#include "platform/units.h"

namespace {
SkinnedWindow::Skin PopUpSkin(const QString& graphicsFolder) {
    SkinnedWindow::Skin skin;
    skin.style = TitleStripStyle::Dialog;
    skin.graphicsFolder = graphicsFolder;
    skin.titleName = QStringLiteral("lblTitle");
    skin.bottomLeftPicture = QStringLiteral("Border_bot_left.gif");
    skin.bottomRightPicture = QStringLiteral("Border_bot_right.gif");
    return skin;
}

constexpr int kShortMessage = 33;  // messages shorter than this drop 7 pixels
constexpr int kDrop = 7;
constexpr int kButtonGap = 10;
const QString kButtonOff = QStringLiteral("button_off.bmp");
const QString kButtonOn = QStringLiteral("button_on.bmp");
}  // namespace

FrmPopUp::FrmPopUp(const QString& graphicsFolder, QWidget* parent)
    : SkinnedWindow(PopUpSkin(graphicsFolder), parent, Qt::Dialog) {
    setObjectName(QStringLiteral("frmPopUp"));
    // The pictures are drawn on this colour.
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(244, 245, 235));
    setPalette(pal);
    setAttribute(Qt::WA_DeleteOnClose, false);
    titleLabel()->setText(QStringLiteral("Vantora"));

    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(8.25);

    m_info = new QLabel(this);
    m_info->setObjectName(QStringLiteral("ImgInfo"));
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
        m_buttons[i] = new QLabel(this);
        m_buttons[i]->setObjectName(name);
        const QPixmap off = picture(kButtonOff);
        if (off.isNull()) {
            m_buttons[i]->resize(SizeTw(1215, 375));
        } else {
            m_buttons[i]->setPixmap(off);
            m_buttons[i]->resize(off.size());
        }
        m_captions[i] = new QLabel(m_buttons[i]);
        m_captions[i]->setObjectName(name + QStringLiteral("_lbl"));
        m_captions[i]->setFont(arial);
        m_captions[i]->setAlignment(Qt::AlignCenter);
        // The caption spans the button; its design height sits 60 twips down.
        m_captions[i]->setGeometry(0, Px(60), m_buttons[i]->width(), Px(255));
        m_buttons[i]->installEventFilter(this);
        m_captions[i]->installEventFilter(this);
    }

    resize(SizeTw(3975, 2250));
    relayout();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, [this] { hoverButtons(QCursor::pos()); });
    m_timer->start();
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
    if (buttonCount == 1) {
        m_buttons[0]->show();
        m_buttons[1]->hide();
        m_buttons[0]->move((width() - m_buttons[0]->width()) / 2, m_buttons[0]->y());
        m_captions[0]->setText(QStringLiteral("OK"));
    } else if (buttonCount == 2) {
        m_buttons[0]->show();
        m_buttons[1]->show();
        m_buttons[0]->move(m_message->x(), m_buttons[0]->y());
        m_buttons[1]->move(m_buttons[0]->x() + m_buttons[0]->width() + kButtonGap,
                           m_buttons[0]->y());
        m_captions[0]->setText(QStringLiteral("Yes"));
        m_captions[1]->setText(QStringLiteral("No"));
    }
    m_dropMessage = message.size() < kShortMessage;
    relayout();

    QWidget* anchor = over ? over : parentWidget();
    if (anchor) {
        const QRect a = anchor->window()->frameGeometry();
        move(a.left() + (a.width() - width()) / 2, a.top() + (a.height() - height()) / 2);
    }
}

QString FrmPopUp::exec() {
    setWindowModality(Qt::ApplicationModal);
    m_closed = false;
    show();
    raise();
    activateWindow();
    if (!m_closed) {
        QEventLoop loop;
        m_loop = &loop;
        loop.exec(QEventLoop::DialogExec);
        m_loop = nullptr;
    }
    return m_answer;
}

void FrmPopUp::hoverButtons(QPoint globalCursor) {
    for (QLabel* button : m_buttons) {
        const QPixmap wanted = picture(CursorOver(button, globalCursor) ? kButtonOn : kButtonOff);
        if (!wanted.isNull() && wanted.cacheKey() != button->pixmap().cacheKey())
            button->setPixmap(wanted);
    }
}

void FrmPopUp::press(int button) {
    m_answer = button == 0 ? QStringLiteral("True") : QStringLiteral("False");
    emit answered(m_answer);
    close();
}

bool FrmPopUp::eventFilter(QObject* watched, QEvent* event) {
    int index = -1;
    for (int i = 0; i < 2; ++i)
        if (watched == m_buttons[i] || watched == m_captions[i]) index = i;
    if (index < 0) return SkinnedWindow::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) m_pressed = watched;
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        const bool clicked = mouse->button() == Qt::LeftButton && m_pressed == watched &&
                             widget->rect().contains(mouse->position().toPoint());
        m_pressed = nullptr;
        if (clicked) press(index);
        return true;
    }
    return SkinnedWindow::eventFilter(watched, event);
}

void FrmPopUp::closeEvent(QCloseEvent* event) {
    m_closed = true;
    m_timer->stop();
    if (m_loop) m_loop->quit();
    SkinnedWindow::closeEvent(event);
}
