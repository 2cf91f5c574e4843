#pragma once
// Writes a QImage as a GIF file (GIF89a) through giflib. Images with more than 256 colours are
// reduced by Qt to an indexed palette first.

#include <QByteArray>
#include <QImage>

// The GIF bytes of `image`, or an empty array on failure. Deterministic for equal input.
QByteArray EncodeGif(const QImage& image);
