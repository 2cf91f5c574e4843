#pragma once
// The program's icon for the desktop's icon theme: the emblem of VTicon.ico at every size a
// launcher or task bar asks for, and once as a scalable picture.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace skin {

QList<int> AppIconSizes();  // 16, 24, 32, 48, 64, 128, 256

// The emblem on a transparent square of `size` pixels.
QImage AppIconImage(int size);

// The emblem as an SVG document.
QByteArray AppIconSvg();

// Writes <themeDir>/<n>x<n>/apps/<name>.png for every size and
// <themeDir>/scalable/apps/<name>.svg. False with `error` set when a file cannot be written.
bool WriteAppIcons(const QString& themeDir, const QString& name, QString* error);

}  // namespace skin
