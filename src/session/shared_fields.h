#pragma once
// The values the main window shares with the practice windows, named as the rest of the
// program's documentation names them.

#include <QString>

#include "content/course_shape.h"

// The tab after the module tabs.
inline constexpr int kHelpTab = kModuleCount + 1;

struct SharedFields {
    int LChose = 1;       // active module, 1 to kModuleCount
    QString lblCOD;       // course code, part of every results file name
    int TtPapersCon = 0;  // papers of the active module
    int TopicCount = 1;   // first paper index of the chosen topic
    QString SubH1;        // name of the chosen topic
    int PaperNum = 0;     // paper being opened: 100 + paper index
    int TakeNum = 1;      // attempt being opened: 1 or 2
};

// The main window's own navigation values.
struct Navigation {
    bool RefreshLog = false;     // a refresh keeps the chosen topic
    int txtTabPos = 1;           // tab chosen last: a module's number, or kHelpTab
    int txtToolBarPos = 0;       // toolbar slot chosen last, 1 to 4
    int txtReportPos = 1;        // report page open, 1 to the number of pages
    bool txtPressTrack = false;  // a toolbar button is held down
};
