#pragma once
// Skin pictures are read from disk once per run and then served from memory, so a timer tick
// that swaps pictures never touches the disk.

#include <QPixmap>
#include <QString>

// The picture `name` in `folder`, or a null pixmap when it cannot be read. Names are matched
// without regard to case when the exact name is missing ("Pencil.ico" finds "pencil.ico").
QPixmap LoadPicture(const QString& folder, const QString& name);

// Forgets every cached picture (the next load reads the files again).
void ClearPictureCache();
