#pragma once
// How the desktop knows the program: one application id names its desktop entry, its icon in the
// icon theme and its AppStream data, and is the windows' desktop file name.

#include <QIcon>
#include <QString>

// example.vantora.HomeMathsQuiz, from the maker's web domain.
QString ApplicationId();

// The program icon: the hicolor theme's pictures when the program is installed (16 to 128 px),
// otherwise the embedded VTicon.ico. Needs a QGuiApplication.
QIcon ProgramIcon();

// The embedded VTicon.ico alone, every image it holds.
QIcon EmbeddedProgramIcon();
