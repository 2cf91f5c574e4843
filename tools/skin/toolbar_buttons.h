#pragma once
// Toolbar buttons: an icon on the chrome colour, with a tile behind it when hovered or pressed.
// The caption is not in the picture; the window puts it in a label under the picture.

#include <QImage>
#include <QPainter>
#include <QRectF>

namespace skin {

inline constexpr int kToolWidth = 44;
inline constexpr int kToolHeight = 36;

enum class ToolIcon { About, Back, Close, Forward, Home, Mark, Print, Report, Save, Setup, Trash };
enum class ToolState { Off, On, Pressed, Disabled };

QImage ToolbarButton(ToolIcon icon, ToolState state);
// The icon alone, in a square box; also used by the program icon and the logo.
void DrawToolIcon(QPainter& p, ToolIcon icon, const QRectF& box);

}  // namespace skin
