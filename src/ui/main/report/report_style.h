#pragma once
// Fonts and colours shared by the report sub-views.

#include <QColor>
#include <QFont>
#include <QString>

namespace report_style {

inline QFont Font(int pointSize, bool bold = false) {
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

inline const QColor kCaptionText(64, 0, 64);
inline const QColor kValueText(128, 0, 128);

}  // namespace report_style
