#pragma once
// Icons, the information mark, the logo and the instruction for typing fractions.

#include <QImage>
#include <QList>

namespace skin {

// Icon images, smallest first (a plain load of the file gives the first one).
QList<QImage> ProgramIcon();
QList<QImage> PencilIcon();
QList<QImage> HandIcon();

QImage InfoMark();
QImage Logo();
QImage Instruction();

}  // namespace skin
