#pragma once
// The values the main window shares with the practice windows, named as the rest of the
// program's documentation names them.

#include <QString>

struct SharedFields {
    int LChose = 1;       // active module, 1 to 3
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
    int txtTabPos = 1;           // tab chosen last: 1 to 3 a module, 4 Help
    int txtToolBarPos = 0;       // toolbar slot chosen last, 1 to 4
    int txtReportPos = 1;        // report sub-view open, 1 to 3
    bool txtPressTrack = false;  // a toolbar button is held down
};
