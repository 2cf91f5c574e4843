#pragma once
// What the practice windows may ask of the main window: the values it shares with them (named as
// the rest of the program's documentation names them), the Home view refresh, the program
// folder and the practising learner's folder.

#include <QString>

#include "session/shared_fields.h"

class SkinnedWindow;

class ContentsChannel {
  public:
    virtual ~ContentsChannel() = default;
    virtual const SharedFields& sharedFields() const = 0;
    virtual void RefreshContents() = 0;
    virtual QString programFolder() const = 0;
    // Where the practising learner's results files are (and a paper's working files go).
    virtual QString resultsFolder() const { return programFolder(); }
    // The main window itself (for centring, parenting).
    virtual SkinnedWindow* contentsWindow() = 0;
};
