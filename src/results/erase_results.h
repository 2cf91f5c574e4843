#pragma once
// Erasing every result: the six files of every defined module back to their templates, all of
// them or none, through the journal a marking uses. An erase ended halfway is finished by the
// next start like a marking; one that fails leaves every file as it was.

#include <QString>

#include "results/marking_journal.h"

struct Catalogue;

AllOrNothingResult EraseAllResults(const QString& programFolder, const Catalogue& catalogue);
