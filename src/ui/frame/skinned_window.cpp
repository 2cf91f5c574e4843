#include "ui/frame/skinned_window.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>

#include "platform/caption_drag.h"
#include "platform/cursor_hit.h"
#include "platform/units.h"
#include "platform/window_outline.h"
#include "ui/frame/accessible_window.h"
#include "ui/frame/skin_picture.h"
#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"

namespace {
// A frame piece: its picture stretched over the piece. A scaled QLabel makes a stretched copy of
// the whole picture before its first paint, and a practice window's top centre piece is 30000
// pixels wide: a 3.5 MB copy for every window, most of the time a paper takes to open. The frame's
// pictures do not change along the way they are stretched, and neither then does their stretched
// copy, whatever its length: a short stretch of it, repeated, gives the very same pixels.
class FramePiece : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override {
        const QPixmap picture = pixmap();
        const qreal ratio = devicePixelRatio();
        // A disabled label greys its picture, and a fractional scale would not repeat evenly:
        // those stay QLabel's own.
        if (picture.isNull() || !isEnabled() || ratio != qRound(ratio))
            return QLabel::paintEvent(event);
        const QRect whole = contentsRect();
        const QString key = QStringLiteral("%1 %2x%3 %4")
                                .arg(picture.cacheKey())
                                .arg(whole.width())
                                .arg(whole.height())
                                .arg(ratio);
        if (key != m_stretchKey) {
            makeStretch(picture.toImage(), whole.size(), qRound(ratio));
            m_stretchKey = key;
        }
        if (m_stretch.isNull()) return QLabel::paintEvent(event);
        // Piece by piece: Qt's own tiling shares a tall area out among threads of its own, and
        // the start keeps to as many threads as there are cores.
        QPainter painter(this);
        const QRect area = whole.intersected(event->rect());
        const bool across = m_along == Qt::Horizontal;
        const int from = across ? area.left() - whole.left() : area.top() - whole.top();
        const int to = across ? area.right() - whole.left() : area.bottom() - whole.top();
        for (int at = from - from % kStretch; at <= to; at += kStretch)
            painter.drawPixmap(
                across ? whole.topLeft() + QPoint(at, 0) : whole.topLeft() + QPoint(0, at),
                m_stretch);
    }

  private:
    static constexpr int kStretch = 64;  // logical pixels

    static bool sameAlong(const QImage& image, Qt::Orientation along) {
        const bool rows = along == Qt::Horizontal;
        for (int i = 0; i < (rows ? image.height() : image.width()); ++i) {
            for (int j = 1; j < (rows ? image.width() : image.height()); ++j) {
                if (rows ? image.pixel(j, i) != image.pixel(0, i)
                         : image.pixel(i, j) != image.pixel(i, 0))
                    return false;
            }
        }
        return true;
    }

    // The first kStretch logical pixels of the stretched copy, or nothing when the piece is
    // short or its picture changes along the stretch.
    void makeStretch(const QImage& picture, QSize size, int ratio) {
        const QSize full = size * ratio;
        QSize part;
        if (size.width() > kStretch && sameAlong(picture, Qt::Horizontal)) {
            m_along = Qt::Horizontal;
            part = QSize(kStretch * ratio, full.height());
        } else if (size.height() > kStretch && sameAlong(picture, Qt::Vertical)) {
            m_along = Qt::Vertical;
            part = QSize(full.width(), kStretch * ratio);
        } else {
            m_stretch = QPixmap();
            return;
        }
        m_stretch = QPixmap::fromImage(
            picture.scaled(part, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_stretch.setDevicePixelRatio(ratio);
    }

    QPixmap m_stretch;
    Qt::Orientation m_along = Qt::Horizontal;
    QString m_stretchKey;
};

QSize PictureSize(const QLabel* label) {
    if (!label) return {};
    const QPixmap pm = label->pixmap();
    return pm.isNull() ? QSize() : pm.size();
}

QSize PictureSize(const SkinnedButton* button) {
    if (!button) return {};
    const QSize hint = button->sizeHint();
    return button->look().normal.isEmpty() ? QSize() : hint;
}

// The pictures of a title-bar button: blue with a hover picture while the window is active,
// white and still while it is not.
SkinnedButton::Look TitleButtonLook(bool active, const QString& kind) {
    if (!active) {
        const QString white = QStringLiteral("prog_white_") + kind + QStringLiteral(".bmp");
        return {white, white, white, white};
    }
    const QString hovered = QStringLiteral("prog_blue_") + kind + QStringLiteral(".bmp");
    return {QStringLiteral("prog_blueoff_") + kind + QStringLiteral(".bmp"), hovered, hovered, {}};
}
}  // namespace

SkinnedWindow::Skin SkinnedWindow::DialogSkin(const QString& graphicsFolder) {
    Skin skin;
    skin.style = TitleStripStyle::Dialog;
    skin.graphicsFolder = graphicsFolder;
    skin.titleName = QStringLiteral("lblTitle");
    skin.bottomLeftPicture = QStringLiteral("Border_bot_left.gif");
    skin.bottomRightPicture = QStringLiteral("Border_bot_right.gif");
    return skin;
}

SkinnedWindow::SkinnedWindow(const Skin& skin, QWidget* parent, Qt::WindowFlags extraFlags)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | extraFlags),
      m_skin(skin),
      m_picturesReady(!skin.picturesWrittenLater) {
    InstallWindowAccessibility();
    static const char* const names[8] = {"BTopLeft", "BTopCentre", "BTopRight", "BLeft",
                                         "BRight",   "BBotLeft",   "BBot",      "BBotRight"};
    for (int i = 0; i < 8; ++i) {
        m_pieces[i] = new FramePiece(this);
        m_pieces[i]->setObjectName(QString::fromLatin1(names[i]));
        m_pieces[i]->setScaledContents(true);
    }
    m_title = new QLabel(this);
    m_title->setObjectName(m_skin.titleName);
    m_title->setFont(TitleFont());

    if (!m_skin.iconPicture.isEmpty()) {
        m_icon = new QLabel(this);
        m_icon->setObjectName(QStringLiteral("ImgIco"));
    }
    if (m_skin.style != TitleStripStyle::Dialog) {
        m_minimise = new SkinnedButton(QStringLiteral("imgProgMin"), m_skin.graphicsFolder, this);
        m_minimise->setText(tr("Minimise"));
        connect(m_minimise, &SkinnedButton::clicked, this, [this] { showMinimized(); });
    }
    if (m_skin.style == TitleStripStyle::Practice) {
        m_maximise = new SkinnedButton(QStringLiteral("imgProgMax"), m_skin.graphicsFolder, this);
        connect(m_maximise, &SkinnedButton::clicked, this, [this] { maximiseButtonClicked(); });
    }
    if (m_skin.style != TitleStripStyle::Dialog) {
        m_close = new SkinnedButton(QStringLiteral("imgProgClose"), m_skin.graphicsFolder, this);
        m_close->setText(tr("Close"));
        connect(m_close, &SkinnedButton::clicked, this, [this] { closeButtonClicked(); });
    }

    m_drag = new CaptionDrag(this);
    m_drag->watch(piece(Piece::TopLeft));
    m_drag->watch(piece(Piece::TopCentre));
    m_drag->watch(piece(Piece::TopRight));
    m_drag->watch(m_title);

    loadFramePictures();
    setSkinActive(m_skin.style == TitleStripStyle::Dialog);
}

SkinnedWindow::~SkinnedWindow() = default;

QLabel* SkinnedWindow::piece(Piece which) const {
    return m_pieces[static_cast<int>(which)];
}

QPixmap SkinnedWindow::picture(const QString& name) const {
    return SkinPicture(m_skin.graphicsFolder, name);
}

void SkinnedWindow::setPicture(QLabel* label, const QString& name) {
    if (label && m_picturesReady) label->setPixmap(picture(name));
}

// Tab reaches the window's own controls first and the title-bar buttons last.
void SkinnedWindow::placeTitleButtonsLast() {
    const QList<SkinnedButton*> buttons = titleButtons();
    if (buttons.isEmpty()) return;
    QWidget* last = nullptr;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
        if (!buttons.contains(w) && isAncestorOf(w)) last = w;
    if (!last) return;
    for (SkinnedButton* b : buttons) {
        QWidget::setTabOrder(last, b);
        last = b;
    }
}

QList<SkinnedButton*> SkinnedWindow::titleButtons() const {
    QList<SkinnedButton*> buttons;
    for (SkinnedButton* b : {m_minimise, m_maximise, m_close})
        if (b) buttons.append(b);
    return buttons;
}

void SkinnedWindow::loadFramePictures() {
    if (m_icon) setPicture(m_icon, m_skin.iconPicture);
    setPicture(piece(Piece::Left), QStringLiteral("border_left.bmp"));
    setPicture(piece(Piece::BotLeft), m_skin.bottomLeftPicture);
    setPicture(piece(Piece::Right), QStringLiteral("border_right.bmp"));
    setPicture(piece(Piece::BotRight), m_skin.bottomRightPicture);
    setPicture(piece(Piece::Bot), QStringLiteral("border_bot.bmp"));
}

void SkinnedWindow::loadSkin() {
    m_picturesReady = true;
    loadFramePictures();
    applyTopPictures();
    relayout();
}

void SkinnedWindow::setTitleText(const QString& text) {
    m_title->setText(text);
    setWindowTitle(text);
    relayout();
}

void SkinnedWindow::applyTopPictures() {
    const QString set =
        m_active ? QStringLiteral("border_top_") : QStringLiteral("border_white_top_");
    setPicture(piece(Piece::TopLeft), set + QStringLiteral("left.bmp"));
    setPicture(piece(Piece::TopCentre), set + QStringLiteral("center.bmp"));
    setPicture(piece(Piece::TopRight), set + QStringLiteral("right.bmp"));
    if (m_close) m_close->setLook(TitleButtonLook(m_active, QStringLiteral("close")));
    if (m_minimise) m_minimise->setLook(TitleButtonLook(m_active, QStringLiteral("min")));
    showMaximisePicture();
    SetTextColour(m_title, m_active ? kTitleActiveText : kTitleInactiveText);
}

void SkinnedWindow::setSkinActive(bool active) {
    // The dialog has a single look; it is always drawn active.
    if (m_skin.style == TitleStripStyle::Dialog) active = true;
    m_active = active;
    applyTopPictures();
    skinStateChanged(active);
}

QRect SkinnedWindow::innerArea() const {
    const int top = PictureSize(piece(Piece::TopLeft)).height();
    const int left = PictureSize(piece(Piece::Left)).width();
    const int right = PictureSize(piece(Piece::Right)).width();
    const int bottom = PictureSize(piece(Piece::Bot)).height();
    return QRect(left, top, qMax(0, width() - left - right), qMax(0, height() - top - bottom));
}

void SkinnedWindow::relayout() {
    FramePieceSizes sizes;
    sizes.topLeft = PictureSize(piece(Piece::TopLeft));
    sizes.topCentre = PictureSize(piece(Piece::TopCentre));
    sizes.topRight = PictureSize(piece(Piece::TopRight));
    sizes.left = PictureSize(piece(Piece::Left));
    sizes.right = PictureSize(piece(Piece::Right));
    sizes.botLeft = PictureSize(piece(Piece::BotLeft));
    sizes.bot = PictureSize(piece(Piece::Bot));
    sizes.botRight = PictureSize(piece(Piece::BotRight));
    const FrameRects frame = LayoutFrame(size(), sizes, m_skin.fixedCentreWidth);
    piece(Piece::TopLeft)->setGeometry(frame.topLeft);
    piece(Piece::TopCentre)->setGeometry(frame.topCentre);
    piece(Piece::TopRight)->setGeometry(frame.topRight);
    piece(Piece::Left)->setGeometry(frame.left);
    piece(Piece::Right)->setGeometry(frame.right);
    piece(Piece::BotLeft)->setGeometry(frame.botLeft);
    piece(Piece::Bot)->setGeometry(frame.bot);
    piece(Piece::BotRight)->setGeometry(frame.botRight);
    // The right-hand piece lies over the long centre strip of a practice window.
    piece(Piece::TopRight)->raise();

    TitleStripSizes strip;
    strip.topLeftHeight = sizes.topLeft.height();
    strip.topRightHeight = sizes.topRight.height();
    strip.title = QSize(m_title->sizeHint().width(), qMax(m_title->sizeHint().height(), Px(270)));
    strip.icon = PictureSize(m_icon);
    strip.close = PictureSize(m_close);
    strip.minimise = PictureSize(m_minimise);
    strip.maximise = PictureSize(m_maximise);
    const TitleStripRects rects = LayoutTitleStrip(m_skin.style, width(), strip);
    m_title->setGeometry(rects.title);
    m_title->raise();
    if (m_icon) {
        m_icon->setGeometry(rects.icon);
        m_icon->raise();
    }
    for (auto [button, rect] :
         {std::pair{m_close, rects.close}, std::pair{m_minimise, rects.minimise},
          std::pair{m_maximise, rects.maximise}}) {
        if (!button) continue;
        button->setGeometry(rect);
        button->raise();
    }

    layoutContent();

    const QPolygon outline = m_skin.style == TitleStripStyle::Dialog
                                 ? RoundedDialogOutline(width(), height())
                                 : RoundedTopOutline(width(), height());
    ApplyOutline(this, outline);
}

void SkinnedWindow::raiseFrame() {
    for (QLabel* p : m_pieces) p->raise();
    piece(Piece::TopRight)->raise();
    for (QLabel* l : {m_title, m_icon})
        if (l) l->raise();
    for (SkinnedButton* b : titleButtons()) b->raise();
}

void SkinnedWindow::closeButtonClicked() {
    close();
}

void SkinnedWindow::maximiseButtonClicked() {
    if (isMaximisedWindow())
        restoreWindow();
    else
        maximiseWindow();
}

void SkinnedWindow::maximiseWindow() {
    const Qt::WindowStates state = windowState() & ~Qt::WindowActive;
    if (state & (Qt::WindowMinimized | Qt::WindowMaximized)) return;
    m_normalGeometry = geometry();
    // The geometry does the work when no window manager runs; the state, set after it because
    // a new geometry clears it, tells one that does and keeps the "norm" pictures.
    if (const QScreen* s = screen(); s && !s->availableGeometry().isEmpty())
        setGeometry(s->availableGeometry());
    setWindowState(state | Qt::WindowMaximized);
    showMaximisePicture();
}

void SkinnedWindow::restoreWindow() {
    const Qt::WindowStates state = windowState() & ~Qt::WindowActive;
    if ((state & Qt::WindowMinimized) || !(state & Qt::WindowMaximized)) return;
    setWindowState(state & ~Qt::WindowMaximized);
    if (m_normalGeometry.isValid()) setGeometry(m_normalGeometry);
    showMaximisePicture();
}

void SkinnedWindow::showMaximisePicture() {
    if (!m_maximise) return;
    const bool maximised = isMaximisedWindow();
    m_maximise->setLook(
        TitleButtonLook(m_active, maximised ? QStringLiteral("norm") : QStringLiteral("max")));
    m_maximise->setText(maximised ? tr("Restore") : tr("Maximise"));
}

// Without a window manager nothing takes a minimised window off the screen, and nothing
// would ever clear the flag; a window the user can click or that gets activated is plainly
// not minimised, so the flag goes and the window works normally again.
void SkinnedWindow::dropStaleMinimised() {
    const Qt::WindowStates state = windowState() & ~Qt::WindowActive;
    if (state & Qt::WindowMinimized) setWindowState(state & ~Qt::WindowMinimized);
}

// Presses on any child pass through the native window first.
void SkinnedWindow::watchNativeWindow() {
    if (!windowHandle() || m_watchedWindow == windowHandle()) return;
    m_watchedWindow = windowHandle();
    m_watchedWindow->installEventFilter(this);
}

bool SkinnedWindow::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::WindowActivate:
            dropStaleMinimised();
            // Already drawn active (a window shown as it is activated): nothing to repaint.
            if (!m_active) setSkinActive(true);
            break;
        case QEvent::Show:
            watchNativeWindow();
            placeTitleButtonsLast();
            break;
        case QEvent::WindowDeactivate:
            if (m_active) setSkinActive(false);
            break;
        case QEvent::WindowStateChange:
            showMaximisePicture();
            break;
        default:
            break;
    }
    return QWidget::event(event);
}

void SkinnedWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

bool SkinnedWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle()) {
        if (event->type() == QEvent::MouseButtonPress) dropStaleMinimised();
        return QWidget::eventFilter(watched, event);
    }
    return QWidget::eventFilter(watched, event);
}
