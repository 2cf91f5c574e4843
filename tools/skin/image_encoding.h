#pragma once
// Byte-exact encoders for the three picture formats the windows load.

#include <QByteArray>
#include <QImage>
#include <QList>

// 24-bit BMP, no colour space or timestamp: identical bytes for identical pictures.
QByteArray EncodeBmp(const QImage& image);
// One ICO file holding every image in the given order (32-bit with an AND mask).
QByteArray EncodeIco(const QList<QImage>& images);
// The picture with at most 256 colours, chosen by median cut and mapped to the nearest, without
// dithering: smooth edges and gradients survive the GIF palette. Deterministic.
QImage ReduceColours(const QImage& image, int maxColours = 256);
