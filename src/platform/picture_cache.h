#pragma once
// Skin pictures are read from disk once per run (or decoded ahead from the bytes their files
// hold) and then served from memory, so a timer tick that swaps pictures never touches the disk.

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>

// The picture `name` in `folder`, or a null pixmap when it cannot be read. Names are matched
// without regard to case when the exact name is missing ("Pencil.ico" finds "pencil.ico").
QPixmap LoadPicture(const QString& folder, const QString& name);

// Pictures decoded ahead of use, by file name, from the bytes their files hold (or are about to
// hold). Decoding may run on any thread (a QImage is safe there, a QPixmap is not); adopting
// them, on the GUI thread, replaces what the cache held for those names in that folder, and each
// becomes a pixmap when it is first asked for.
struct PictureFile {
    QString name;
    QByteArray bytes;
};
using DecodedPictures = QHash<QString, QImage>;
DecodedPictures DecodePictures(const QList<PictureFile>& files);
void AdoptPictures(const QString& folder, const DecodedPictures& pictures);

// Forgets every cached picture (the next load reads the files again).
void ClearPictureCache();
