#pragma once
// What an interrupted run leaves in the program folder: temporary copies of interrupted atomic
// writes ("marks2HM.txt.AbCdEf", "Graphics/bar.bmp.XyZabc"), and the temporary files of a paper
// or table that was open when the program ended (temptext.txt, temptext30000.txt,
// temppaper<id>.mht).

#include <QString>
#include <QStringList>

// Removes those leftovers and nothing else; returns the paths removed. Only safe while no other
// copy of the program uses the folder (call it once the single-instance lock is held).
QStringList RemoveLeftovers(const QString& programFolder);
