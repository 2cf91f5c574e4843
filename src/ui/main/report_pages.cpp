#include "ui/main/report_pages.h"

#include <QCoreApplication>

#include <array>

#include "ui/main/report/summary_view.h"
#include "ui/main/report/topical_view.h"
#include "ui/main/report/trend_view.h"

namespace {

template <typename Panel>
ReportPanel* Make(QWidget* view) {
    return new Panel(view);
}

const std::array kPages = {
    ReportPage{QT_TRANSLATE_NOOP("ReportView", "Overall Results"), Qt::CTRL | Qt::Key_1,
               Make<SummaryPanel>},
    ReportPage{QT_TRANSLATE_NOOP("ReportView", "Topical Results"), Qt::CTRL | Qt::Key_2,
               Make<TopicalPanel>},
    ReportPage{QT_TRANSLATE_NOOP("ReportView", "Trend Analysis"), Qt::CTRL | Qt::Key_3,
               Make<TrendPanel>},
};

}  // namespace

std::span<const ReportPage> ReportPages() {
    return kPages;
}

int ReportPageCount() {
    return static_cast<int>(kPages.size());
}

QString ReportPageCaption(int page) {
    return QCoreApplication::translate("ReportView", kPages.at(size_t(page - 1)).caption);
}
