#pragma once
// The pictures of the windows' own controls: tabs, buttons, heads, bars and small marks.

#include <QImage>

namespace skin {

QImage Tab(bool front, bool hovered);
QImage LoadButton(bool hovered);
enum class ButtonState { Off, On, Pressed };
QImage Button(ButtonState state);
QImage BottomBackground(int variant);  // 1 to 4
QImage ColumnHead(int column);         // 1 topics, 2 papers
QImage ProgressCell();
QImage SizeGrip();
QImage Bullet();
QImage SheetHandle();
QImage PenPicture();
QImage SectionBar();

}  // namespace skin
