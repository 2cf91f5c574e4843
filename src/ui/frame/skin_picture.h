#pragma once
// A skin picture for a window: read once and cached (platform/picture_cache.h); a picture that
// cannot be read is logged once, and the control that shows it stays blank.

#include <QPixmap>
#include <QString>

QPixmap SkinPicture(const QString& graphicsFolder, const QString& name);
