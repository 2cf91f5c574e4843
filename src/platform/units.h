#pragma once
// Geometry is written in twips (1/1440 inch) as designed; widgets work in logical pixels.
// 15 twips make one logical pixel; Qt scales logical pixels on HiDPI screens.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

inline constexpr double kTwipsPerPixel = 15.0;

constexpr int Px(double twips) {
    // round half away from zero, usable in constant expressions
    const double p = twips / kTwipsPerPixel;
    return static_cast<int>(p < 0 ? p - 0.5 : p + 0.5);
}
constexpr double Twips(int pixels) { return pixels * kTwipsPerPixel; }
// Hundredths of a millimetre, as some offsets are given, to twips.
constexpr double HundredthsMmToTwips(double hmm) { return hmm * 0.567; }

inline QRect RectTw(double left, double top, double width, double height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}
inline QSize SizeTw(double width, double height) { return QSize(Px(width), Px(height)); }
inline QPoint PointTw(double left, double top) { return QPoint(Px(left), Px(top)); }
