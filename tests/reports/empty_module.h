#pragma once
// Report inputs of a module of `topics` topics of five papers each, 50 papers, no attempts yet.

#include "reports/report_inputs.h"

inline ReportInputs EmptyModule(int topics) {
    ReportInputs in;
    in.title = QStringLiteral("Home Maths Quiz");
    in.numberOfTopics = topics;
    in.paperCount = 50;
    for (int t = 1; t <= topics; ++t) in.topicNames << QStringLiteral("Topic %1").arg(t);
    for (int i = 0; i < 50; ++i) {
        in.fse << QString();
        in.sse << QString();
        in.ltm << QString();
        in.cdd << QString();
    }
    return in;
}
