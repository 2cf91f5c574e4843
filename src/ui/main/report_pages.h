#pragma once
// The pages of the Report view, in the order of their bars. A new page is one entry: its bar's
// caption, its key (which the Keys text lists with the others), and how its panel is made.

#include <QKeyCombination>
#include <QString>

#include <span>

class QWidget;
class ReportPanel;

struct ReportPage {
    const char* caption;  // the bar's caption, translated in the ReportView context
    QKeyCombination key;  // opens the page from anywhere in the main window
    ReportPanel* (*make)(QWidget* view);
};

std::span<const ReportPage> ReportPages();
int ReportPageCount();
// The bar's caption of page `page` (1-based), translated.
QString ReportPageCaption(int page);
