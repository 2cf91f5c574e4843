#pragma once
// One learner's column of the parent's overview, from the same figures as the Report view.

#include <QList>
#include <QLocale>
#include <QString>

#include "reports/report_inputs.h"

// The last scores the overview's small trend shows.
inline constexpr int kOverviewTrendPoints = 10;

struct LearnerOverview {
    QString name;
    QString papersMarked;    // "12 / 50": first attempts marked
    QString firstAverage;    // "78.3%", or "-" before any
    QString secondAverage;   // the same for second attempts
    QString lastPractised;   // the latest completion date in the short form of the locale, or "-"
    QString strongestTopic;  // a topic's name, or "-" (as the Report view decides)
    QString weakestTopic;
    QList<double> recentScores;  // at most kOverviewTrendPoints first-attempt scores, oldest first
};

LearnerOverview ComputeLearnerOverview(const QString& name, const ReportInputs& inputs,
                                       const QLocale& locale = QLocale::system());
