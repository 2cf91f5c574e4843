#pragma once
// The practice window's toolbar strip: six skinned buttons with their captions (Save, Mark,
// Print, Close on the left, Back and Next on the right), their enable rules, the summary picture
// and the count of answered parts beside it.

#include <QFrame>
#include <array>

#include "ui/practice/practice_actions.h"

class QLabel;
class SkinnedButton;

// Save and Mark while not marked; Back past question 1; Next before the last one.
std::array<bool, kToolbarButtonCount> ToolbarEnabled(bool marked, int currentQuestion,
                                                     int questionCount);

// "save", "mark", "print", "close", "back", "forward": the stem of the button's pictures.
QString ToolbarPictureStem(PracticeAction b);

class PracticeToolbar : public QFrame {
    Q_OBJECT
  public:
    // Pictures come from <graphicsFolder>/<stem>_<off|on|pressed|disabled>.bmp.
    PracticeToolbar(const QString& graphicsFolder, QWidget* parent = nullptr);

    SkinnedButton* button(PracticeAction b) const { return buttons_[static_cast<size_t>(b)]; }
    QLabel* caption(PracticeAction b) const { return captions_[static_cast<size_t>(b)]; }
    // The summary picture "pen.bmp" (PaperSum) the answered count sits beside.
    QLabel* summary() const { return summary_; }

    void setEnabledStates(const std::array<bool, kToolbarButtonCount>& enabled);
    // lblAnsweredQ / lblTotalQ.
    void setCounts(int answered, int total);
    // txtPressTrack: a toolbar button is held down.
    bool pressTrack() const;

    // Positions the buttons for the strip's width and the window's width.
    void layoutFor(int windowWidth);
    int preferredHeight() const;

  signals:
    void triggered(PracticeAction b);

  private:
    void buildButton(int i);
    void buildCounts();
    void layoutCounts();

    std::array<SkinnedButton*, kToolbarButtonCount> buttons_{};
    std::array<QLabel*, kToolbarButtonCount> captions_{};
    QLabel* summary_ = nullptr;
    QLabel* answeredCaption_ = nullptr;  // "Answered"
    QLabel* answered_ = nullptr;         // lblAnsweredQ
    QLabel* slash_ = nullptr;
    QLabel* total_ = nullptr;  // lblTotalQ
    QString graphics_;
};
