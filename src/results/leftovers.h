#pragma once
// What an interrupted run leaves in the program folder: temporary copies of interrupted atomic
// writes, which carry the writer's own mark ("marks2HM.txt.hmquiz-tmp-AbCdEf",
// "Graphics/bar.bmp.hmquiz-tmp-XyZabc"), and the temporary files of a paper or table that was
// open when the program ended (temptext.txt, temptext30000.txt, temppaper<id>.mht).
//
// Nothing else is ever removed: "marks2HM.txt.backup" or "Graphics/Logo.gif.before" are the
// learner's. Older versions named their temporary copies "NAME" + "." + six letters (or, through
// QSaveFile, six letters and digits), a form a person's own copy may share; such files are kept,
// since a stray copy left by an old crash costs a few kilobytes and a removed copy of the learner's
// costs their work.

#include <QString>
#include <QStringList>

// Removes those leftovers and nothing else; returns the paths removed. Only safe while no other
// copy of the program uses the folder (call it once the single-instance lock is held).
QStringList RemoveLeftovers(const QString& programFolder);
