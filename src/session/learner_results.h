#pragma once
// A learner's results read from the learner's folder as the reports take them, for any learner,
// not only the one practising: the parent's overview and the export read every learner this way.

#include <QList>
#include <QString>

#include "content/catalogue.h"
#include "reports/report_inputs.h"

// Module `module`'s marks lists and trend from `folder`; lists of a missing file are empty.
ReportInputs ReadLearnerReportInputs(const Catalogue& catalogue, int module, const QString& folder);

// The first defined module of the catalogue, 0 when there is none.
int FirstDefinedModule(const Catalogue& catalogue);

struct LearnerFolder {
    QString name;
    QString folder;
};

// Every given learner's results of every defined module as CSV (results_export.h), written to
// `path` whole or not at all. False (logged) when it could not be written.
bool ExportResultsCsv(const QString& path, const Catalogue& catalogue,
                      const QList<LearnerFolder>& learners);
