#pragma once
// Colours shared by the report sub-views.

#include <QColor>

namespace report_style {

inline const QColor kCaptionText(64, 0, 64);
inline const QColor kValueText(128, 0, 128);

}  // namespace report_style
