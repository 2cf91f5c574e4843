#pragma once
// Icons, the information mark, the logo and the instruction for typing fractions.

#include <QImage>
#include <QList>
#include <QPainter>

namespace skin {

// The program's emblem filling a size x size square: the detailed signs from 32 px up, bold
// ones below.
void DrawProgramEmblem(QPainter& p, int size);

// Icon images, smallest first (a plain load of the file gives the first one).
QList<QImage> ProgramIcon();
QList<QImage> PencilIcon();
QList<QImage> HandIcon();

QImage InfoMark();
QImage Logo();
QImage Instruction();

}  // namespace skin
