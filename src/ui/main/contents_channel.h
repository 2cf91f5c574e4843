#pragma once
// What the other windows may ask of the main window: its shared fields, read and set by name as
// text ("LChose", "lblCOD", "TtPapersCon", "TopicCount", "SubH1", "PaperNum", "TakeNum",
// "RefreshLog", "txtTabPos", "txtToolBarPos", "txtReportPos", "txtPressTrack", "PopUpResponse"),
// the Home view refresh, and the program folder.

#include <QString>

class QWidget;

class ContentsChannel {
public:
    virtual ~ContentsChannel() = default;
    virtual QString field(const QString& name) const = 0;
    virtual void setField(const QString& name, const QString& value) = 0;
    virtual void RefreshContents() = 0;
    virtual QString programFolder() const = 0;
    // The main window itself (for centring, parenting).
    virtual QWidget* contentsWindow() = 0;
};
