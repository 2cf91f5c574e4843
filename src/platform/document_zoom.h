#pragma once
// The question document at a larger size: every length of its page (the font sizes and margins of
// its style sheet and style attributes, the width and height of its pictures) scaled by a
// percentage, so text and pictures grow together and the page reflows to the view's width.

#include <QList>
#include <QString>

inline constexpr int kMinimumZoom = 100;
inline constexpr int kMaximumZoom = 300;

// The zoom steps Ctrl++ and Ctrl+- move through, ascending, from kMinimumZoom to kMaximumZoom.
const QList<int>& ZoomSteps();
// The next step up (down) from `percent`, kept within the steps.
int ZoomIn(int percent);
int ZoomOut(int percent);
// `percent` held within kMinimumZoom..kMaximumZoom.
int BoundedZoom(int percent);

// `html` with its lengths in pixels scaled by `percent` (100: unchanged).
QString ZoomedHtml(const QString& html, int percent);
