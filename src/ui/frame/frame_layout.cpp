#include "ui/frame/frame_layout.h"

#include <algorithm>

#include "platform/units.h"

namespace {
int NonNegative(int v) {
    return std::max(v, 0);
}
int Centred(int outer, int inner) {
    return (outer - inner) / 2;
}
int Hmm(double hundredthsMm) {
    return Px(HundredthsMmToTwips(hundredthsMm));
}
}  // namespace

FrameRects LayoutFrame(QSize window, const FramePieceSizes& p, int fixedCentreWidth) {
    const int w = window.width();
    const int h = window.height();
    FrameRects r;
    r.topLeft = QRect(QPoint(0, 0), p.topLeft);
    r.topRight = QRect(QPoint(w - p.topRight.width(), 0), p.topRight);
    r.botLeft = QRect(QPoint(0, h - p.botLeft.height()), p.botLeft);
    r.left = QRect(0, r.topLeft.top() + p.topLeft.height(), p.left.width(),
                   NonNegative(r.botLeft.top() - r.topLeft.top() - p.topLeft.height()));
    r.botRight = QRect(QPoint(w - p.botRight.width(), h - p.botRight.height()), p.botRight);
    r.right = QRect(w - p.right.width(), r.topRight.top() + p.topRight.height(), p.right.width(),
                    NonNegative(r.botRight.top() - r.topRight.top() - p.topRight.height()));
    const int botLeftEdge = r.botLeft.left() + p.botLeft.width();
    r.bot = QRect(botLeftEdge, h - p.bot.height(), NonNegative(r.botRight.left() - botLeftEdge),
                  p.bot.height());
    const int centreLeft = r.topLeft.left() + p.topLeft.width();
    const int centreWidth =
        fixedCentreWidth > 0 ? fixedCentreWidth : NonNegative(r.topRight.left() - centreLeft);
    r.topCentre = QRect(centreLeft, 0, centreWidth, p.topCentre.height());
    return r;
}

TitleStripRects LayoutTitleStrip(TitleStripStyle style, int width, const TitleStripSizes& s) {
    TitleStripRects r;
    const int titleTop = Centred(s.topLeftHeight, s.title.height());
    const int iconTop = Centred(s.topLeftHeight, s.icon.height());
    auto button = [&](int left, QSize size) {
        return QRect(QPoint(left, Centred(s.topRightHeight, size.height())), size);
    };
    switch (style) {
        case TitleStripStyle::Main: {
            r.title = QRect(QPoint(Px(450), titleTop), s.title);
            r.icon = QRect(QPoint(Hmm(240), iconTop), s.icon);
            const int closeLeft = width - s.close.width() - Px(60);
            r.close = button(closeLeft, s.close);
            r.minimise = button(closeLeft - s.minimise.width() - Px(30), s.minimise);
            break;
        }
        case TitleStripStyle::Practice: {
            r.title = QRect(QPoint(Hmm(800), titleTop), s.title);
            r.icon = QRect(QPoint(Hmm(240), iconTop), s.icon);
            const int closeLeft = width - s.close.width() - Hmm(120);
            const int maxLeft = closeLeft - s.maximise.width() - Hmm(60);
            r.close = button(closeLeft, s.close);
            r.maximise = button(maxLeft, s.maximise);
            r.minimise = button(maxLeft - s.minimise.width() - Hmm(60), s.minimise);
            break;
        }
        case TitleStripStyle::Dialog:
            // The dialog's title is centred on the right-hand piece, as it was designed.
            r.title = QRect(QPoint(Px(240), Centred(s.topRightHeight, s.title.height())), s.title);
            break;
    }
    return r;
}
