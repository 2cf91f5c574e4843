#pragma once
// Draws a course figure (lines, polygons, circles, arcs, labels) as a crisp antialiased picture.

#include "course_source.h"

#include <QImage>

// Needs a QGuiApplication for the label font.
QImage PaintFigure(const SourceFigure& figure);
