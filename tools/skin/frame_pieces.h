#pragma once
// The window frame: title strip pieces, edges, corners, title-bar buttons and the dialog's
// rounded bottom corners. Pieces are cut from one drawing so they join without seams.

#include <QImage>

namespace skin {

inline constexpr int kTitleHeight = 30;
inline constexpr int kEdge = 4;  // thickness of the side and bottom edges

enum class StripPiece { Left, Centre, Right };
QImage TitlePiece(StripPiece piece, bool active);

QImage BorderLeft();
QImage BorderRight();
QImage BorderBottom();
QImage BorderLeftCorner();
QImage BorderRightCorner();
// The dialog's rounded bottom corners.
QImage DialogCorner(bool left);

enum class TitleGlyph { Close, Max, Min, Norm };
enum class TitleButtonSet { Blue, BlueOff, White };
QImage TitleButton(TitleGlyph glyph, TitleButtonSet set);

}  // namespace skin
