#pragma once
// What every page of the Report view is: a panel behind its bar, refilled at every opening.

#include <QWidget>

#include <array>

#include "reports/report_inputs.h"
#include "reports/topic_tallies.h"

// What a page is filled from: the module's figures and the topic tallies every page shares.
struct ReportFigures {
    const ReportInputs& inputs;
    const std::array<TopicTally, kTopicSlots>& tallies;
};

class ReportPanel : public QWidget {
  public:
    using QWidget::QWidget;
    virtual void fill(const ReportFigures& figures) = 0;
};
