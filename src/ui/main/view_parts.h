#pragma once
// Small builders the main window's views share.

#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// A label on `parent` at `rect` in `font`; `name` becomes its objectName unless empty.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                  const QFont& font);
