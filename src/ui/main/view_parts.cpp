#include "ui/main/view_parts.h"

#include <QLabel>

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                  const QFont& font) {
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty()) label->setObjectName(name);
    label->setFont(font);
    label->setGeometry(rect);
    return label;
}
