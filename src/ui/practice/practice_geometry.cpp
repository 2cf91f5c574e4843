#include "ui/practice/practice_geometry.h"

#include <algorithm>

namespace {

// A rectangle whose size is never negative.
QRect R(int left, int top, int width, int height) {
    return QRect(left, top, std::max(0, width), std::max(0, height));
}

}  // namespace

QRect PlacementAtLoad(const QRect& s) {
    return QRect(s.left() + static_cast<int>(s.width() * 0.1),
                 s.top() + static_cast<int>(s.height() * 0.1), static_cast<int>(s.width() * 0.8),
                 static_cast<int>(s.height() * 0.8));
}

PracticeLayout LayoutPracticeWindow(const PracticeLayoutInput& in) {
    PracticeLayout out;
    const int W = in.inner.width();
    const int H = in.inner.height();

    out.sizer = R(W - in.sizer.width() - kOffset60Px, H - in.sizer.height() - kOffset60Px,
                  in.sizer.width(), in.sizer.height());

    const int leftW = in.leftWidth;
    const int rightW = in.rightWidth;
    out.toolbar = R(leftW, in.topHeight, W - rightW - leftW, in.toolbarHeight);
    const int S = out.toolbar.top() + in.toolbarHeight;
    const int bodyH = H - S - in.botHeight;

    // A hidden answer sheet sits past the right edge and the question view takes its place.
    if (in.answerSheetShown) {
        out.answerSheet = R(W - in.answerSheetWidth - rightW, S, in.answerSheetWidth, bodyH);
        out.handle = R(out.answerSheet.left() - in.handleWidth, S, in.handleWidth, bodyH);
    } else {
        out.answerSheet = R(W, S, in.answerSheetWidth, bodyH);
        out.handle = R(W - in.handleWidth - rightW, S, in.handleWidth, bodyH);
    }
    const int viewW = out.handle.left() - leftW;
    out.questionView = R(leftW, S, viewW, bodyH - in.underStripHeight);
    out.questionTitle = R(in.questionTitleLeft, out.questionView.top() + kOffset120Px,
                          out.questionView.width() - kQuestionTitleInsetPx, in.questionTitleHeight);
    out.underStrip = R(leftW, out.questionView.top() + out.questionView.height(),
                       out.questionView.width(), in.underStripHeight);
    out.instructionTop = std::max(0, out.answerSheet.height() - in.instructionHeight);
    return out;
}

ToolbarLayout LayoutToolbar(int stripWidth, int windowWidth, const QSize (&sizes)[6]) {
    const int gap = Px(120);
    ToolbarLayout t;
    t.buttonLeft[0] = gap;
    for (int i = 1; i < 4; ++i) t.buttonLeft[i] = t.buttonLeft[i - 1] + sizes[i - 1].width() + gap;
    t.buttonLeft[5] = stripWidth - sizes[5].width() - gap;
    t.buttonLeft[4] = t.buttonLeft[5] - sizes[4].width() - gap;
    t.summaryLeft = windowWidth - Px(4095);
    return t;
}

QList<double> StackRowTops(const QList<double>& heights, int partCount, bool secondAttempt) {
    const double gap = partCount > 15 ? (secondAttempt ? 0.0 : -10.0) : 105.0;
    QList<double> tops;
    tops.reserve(heights.size());
    double top = 50;
    for (const double h : heights) {
        tops.append(top);
        top += h + gap;
    }
    return tops;
}

BorderBox BorderBoxAround(const QRectF& c) {
    return {c.top() - 30, c.left() - 30, c.top() + c.height() + 15, c.left() + c.width() + 15};
}

BorderLines createborder(const BorderBox& b) {
    return {{QLineF(b.left, b.top, b.right, b.top), QLineF(b.left, b.top, b.left, b.bottom),
             QLineF(b.left, b.bottom, b.right + 15, b.bottom),
             QLineF(b.right, b.top, b.right, b.bottom + 15)}};
}

EdgeBands BandsAt(QPoint p, QSize s, int e) {
    return {p.x() < e, p.y() < e, p.x() > s.width() - e, p.y() > s.height() - e};
}

Qt::CursorShape EdgeCursor(QPoint pos, QSize size, int e, bool leftDown, Qt::CursorShape shape) {
    const EdgeBands b = BandsAt(pos, size, e);
    if (!leftDown) shape = Qt::ArrowCursor;
    if (b.left || b.right) shape = Qt::SizeHorCursor;
    if (b.top || b.bottom) shape = Qt::SizeVerCursor;
    if ((b.left && b.top) || (b.right && b.bottom)) shape = Qt::SizeFDiagCursor;
    if ((b.left && b.bottom) || (b.top && b.right)) shape = Qt::SizeBDiagCursor;
    return shape;
}

QPoint SnapToEdges(QPoint g, const QRect& w, const EdgeBands& b) {
    if (b.left) g.setX(w.left());
    if (b.top) g.setY(w.top());
    if (b.right) g.setX(w.left() + w.width());
    if (b.bottom) g.setY(w.top() + w.height());
    return g;
}

QSize CornerDragSize(const EdgeBands& press, QPoint offset, QSize current, int e) {
    if (!(press.right && press.bottom) || offset.x() <= 2 * e || offset.y() <= 2 * e)
        return current;
    QSize s = current;
    if (Twips(offset.x()) > kMinWidthTwips) s.setWidth(offset.x());
    if (Twips(offset.y()) > kMinHeightTwips) s.setHeight(offset.y());
    return s;
}
