#pragma once
// Byte-exact encoders for the three picture formats the windows load.

#include <QByteArray>
#include <QImage>
#include <QList>

// 24-bit BMP, no colour space or timestamp: identical bytes for identical pictures.
QByteArray EncodeBmp(const QImage& image);
// One ICO file holding every image in the given order (32-bit with an AND mask).
QByteArray EncodeIco(const QList<QImage>& images);
