#pragma once
// What the practice windows may ask of the main window: the values it shares with them (named as
// the rest of the program's documentation names them), the Home view refresh, and the program
// folder.

#include <QString>

class SkinnedWindow;

struct SharedFields {
    int LChose = 1;       // active module, 1 to 3
    QString lblCOD;       // course code, part of every results file name
    int TtPapersCon = 0;  // papers of the active module
    int TopicCount = 1;   // first paper index of the chosen topic
    QString SubH1;        // name of the chosen topic
    int PaperNum = 0;     // paper being opened: 100 + paper index
    int TakeNum = 1;      // attempt being opened: 1 or 2
};

class ContentsChannel {
  public:
    virtual ~ContentsChannel() = default;
    virtual const SharedFields& sharedFields() const = 0;
    virtual void RefreshContents() = 0;
    virtual QString programFolder() const = 0;
    // The main window itself (for centring, parenting).
    virtual SkinnedWindow* contentsWindow() = 0;
};
