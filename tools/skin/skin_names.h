#pragma once
// The skin pictures by package id: the id is the position in the fixed list of file names.

#include <QList>
#include <QString>

enum class SkinFormat { Bmp, Ico, Gif };

// Ids 1 to 92 without 38 to 40, ascending.
QList<int> SkinIds();
// The picture's file name ("about_off.bmp"), or empty text for an id without a picture.
QString SkinFileName(int id);
// BMP for ids 1-84, ICO for 85-87, GIF for 88-92; meaningless for ids without a picture.
SkinFormat SkinFormatOf(int id);
