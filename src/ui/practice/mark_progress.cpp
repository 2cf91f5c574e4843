#include "ui/practice/mark_progress.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

#include "platform/picture_cache.h"
#include "platform/units.h"

MarkProgress::MarkProgress(const QString& graphicsFolder, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("fmeMark"));
    resize(SizeTw(3000, 375));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(244, 245, 235));
    p.setColor(QPalette::WindowText, QColor(128, 128, 128));
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
        if (barPicture.isNull()) {
            b->setAutoFillBackground(true);
            QPalette bp = b->palette();
            bp.setColor(QPalette::Window, QColor(49, 106, 197));
            b->setPalette(bp);
        } else {
            b->setPixmap(barPicture);
        }
        b->hide();
        bars_[static_cast<size_t>(i - 1)] = b;
    }
    hide();
}

namespace {

// Swallows the learner's input for as long as it lives.
class InputBlocker : public QObject {
  public:
    InputBlocker() { qApp->installEventFilter(this); }
    ~InputBlocker() override { qApp->removeEventFilter(this); }

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
                return true;
            case QEvent::Close:
                e->ignore();  // a window asked to close stays open
                return true;
            default:
                return false;
        }
    }
};

}  // namespace

void MarkProgress::play(int pauseMs) {
    InputBlocker blocker;
    for (QLabel* b : bars_) b->hide();
    raise();
    show();
    repaint();
    for (QLabel* b : bars_) {
        if (pauseMs > 0) {
            QEventLoop wait;
            QTimer::singleShot(pauseMs, &wait, &QEventLoop::quit);
            wait.exec();
        }
        b->show();
        b->repaint();
    }
    hide();
}
