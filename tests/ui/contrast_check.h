// The contrast of what a window draws, measured on its real pictures: each text is drawn once as
// it is and once in a transparent colour, and its colour is compared with the ground under every
// pixel its glyphs cover. Shared by the contrast tests of both windows.
#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace contrast {

inline double Channel(int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

inline double Luminance(QColor c) {
    return 0.2126 * Channel(c.red()) + 0.7152 * Channel(c.green()) + 0.0722 * Channel(c.blue());
}

inline double Contrast(QColor a, QColor b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The text a widget draws in its foreground colour: a label's, a button's that paints its own
// (a topic entry; a skinned button draws pictures, and its caption is a label).
inline QString TextOf(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    return {};
}

// The worst contrast of each shown text of `window` with its ground, where it falls short.
inline QStringList TooFaint(QWidget& window, const char* state, int* checked = nullptr) {
    QStringList faint;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (!w->isVisible() || TextOf(w).trimmed().isEmpty()) continue;
        const QRect area(w->mapTo(&window, QPoint(0, 0)), w->size());
        const QPalette saved = w->palette();
        const QColor colour = saved.color(w->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                          w->foregroundRole());
        const QImage withText = window.grab(area).toImage();
        QPalette clear = saved;
        clear.setColor(w->foregroundRole(), Qt::transparent);
        w->setPalette(clear);
        const QImage ground = window.grab(area).toImage();
        w->setPalette(saved);

        double worst = 21;
        if (checked && withText != ground) ++*checked;
        for (int y = 0; y < ground.height(); ++y)
            for (int x = 0; x < ground.width(); ++x)
                if (withText.pixel(x, y) != ground.pixel(x, y))
                    worst = std::min(worst, Contrast(colour, ground.pixelColor(x, y)));
        const QFont f = w->font();
        const bool large = f.bold() && f.pointSizeF() >= 14;
        const double needed = large || !w->isEnabled() ? 3.0 : 4.5;
        if (worst < needed)
            faint << QStringLiteral("%1: %2 \"%3\" %4:1")
                         .arg(QLatin1String(state), w->objectName(), TextOf(w).left(30))
                         .arg(worst, 0, 'f', 2);
    }
    return faint;
}

}  // namespace contrast
