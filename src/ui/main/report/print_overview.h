#pragma once
// The parent's overview on paper: the program's title, then the learners side by side, as many
// columns to a page as fit at a readable size, each page repeating the row captions.

#include <QList>
#include <QString>

#include "reports/learner_overview.h"

class QPagedPaintDevice;

// False when the device cannot be painted on.
bool DrawOverview(QPagedPaintDevice& device, const QString& title,
                  const QList<LearnerOverview>& learners);
