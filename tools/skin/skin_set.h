#pragma once
// Draws any skin picture by id and encodes it in the format its file name asks for.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// The images of a picture: one for BMP and GIF, one per size (smallest first) for ICO.
// Empty for an id without a picture.
QList<QImage> DrawSkinPicture(int id);

// The file's bytes, or an empty array for an id without a picture or a failed encoding.
QByteArray EncodeSkinPicture(int id);

// Writes every picture into `dir` as a file named by its id. Returns false and sets `error`
// when a picture cannot be encoded or written.
bool WriteSkin(const QString& dir, QString* error);
