#include "ui/practice/mark_progress.h"

#include <QEvent>
#include <QLabel>

#include "platform/picture_cache.h"
#include "platform/units.h"
#include "ui/frame/skin_style.h"

namespace {

// A transparent cover that swallows what the learner does to the window under it. Holding the
// focus, it also takes the window's shortcut keys (it claims every ShortcutOverride).
class InputShield : public QWidget {
  public:
    explicit InputShield(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("MarkingShield"));
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(tr("Marking"));
        hide();
    }

  protected:
    bool event(QEvent* e) override {
        switch (e->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::Wheel:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::ContextMenu:
                e->accept();
                return true;
            default:
                return QWidget::event(e);
        }
    }
};

}  // namespace

MarkProgress::MarkProgress(const QString& graphicsFolder, QWidget* window)
    : QFrame(window), window_(window) {
    setObjectName(QStringLiteral("fmeMark"));
    resize(SizeTw(3000, 375));
    setFrameShape(QFrame::Box);
    PaintGround(this, kSkinSurface);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, kMarkingText);
    setPalette(p);
    auto* background = new QLabel(this);
    background->setGeometry(rect());
    background->setScaledContents(true);
    background->setPixmap(LoadPicture(graphicsFolder, QStringLiteral("bar.bmp")));
    const QPixmap barPicture = LoadPicture(graphicsFolder, QStringLiteral("progressbar.bmp"));
    for (int i = 1; i <= kMarkBars; ++i) {
        auto* b = new QLabel(this);
        b->setObjectName(QStringLiteral("imgBar%1").arg(i, 2, 10, QLatin1Char('0')));
        b->setGeometry(RectTw(50 + 195 * (i - 1), 45, 165, 285));
        b->setScaledContents(true);
        if (barPicture.isNull())
            PaintGround(b, kMarkingBar);
        else
            b->setPixmap(barPicture);
        b->hide();
        bars_[static_cast<size_t>(i - 1)] = b;
    }
    hide();
    shield_ = new InputShield(window);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &MarkProgress::showNextBar);
}

void MarkProgress::place() {
    shield_->setGeometry(window_->rect());
    move((window_->width() - width()) / 2, (window_->height() - height()) / 2);
    if (!playing_) return;
    shield_->raise();
    raise();
}

void MarkProgress::play(int pauseMs, std::function<void()> done) {
    if (playing_) return;
    playing_ = true;
    done_ = std::move(done);
    shown_ = 0;
    for (QLabel* b : bars_) b->hide();
    focusBefore_ = window_->focusWidget();
    place();
    shield_->show();
    shield_->setFocus(Qt::OtherFocusReason);
    show();
    repaint();
    if (pauseMs <= 0) {
        finishNow();
        return;
    }
    timer_.setInterval(pauseMs);
    timer_.start();
}

void MarkProgress::showNextBar() {
    bars_[static_cast<size_t>(shown_)]->show();
    ++shown_;
    if (shown_ < kMarkBars) {
        timer_.start();
        return;
    }
    finish();
}

void MarkProgress::finishNow() {
    if (!playing_) return;
    timer_.stop();
    for (QLabel* b : bars_) b->show();
    repaint();
    finish();
}

void MarkProgress::finish() {
    timer_.stop();
    playing_ = false;
    hide();
    shield_->hide();
    if (focusBefore_) focusBefore_->setFocus(Qt::OtherFocusReason);
    // `done` may close the window; nothing of this object is used after it.
    std::function<void()> done = std::move(done_);
    done_ = nullptr;
    if (done) done();
}
