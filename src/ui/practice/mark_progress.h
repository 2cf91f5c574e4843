#pragma once
// The marking panel fmeMark: fifteen bars imgBar01..imgBar15 shown one after another, a pause
// before each, while the window takes no input.

#include <QFrame>
#include <array>
#include <functional>

class QLabel;

inline constexpr int kMarkBars = 15;
inline constexpr int kMarkBarPauseMs = 200;

class MarkProgress : public QFrame {
    Q_OBJECT
  public:
    MarkProgress(const QString& graphicsFolder, QWidget* parent);
    QLabel* bar(int i) const { return bars_[static_cast<size_t>(i - 1)]; }

    // Shows the panel, plays the bars with `pauseMs` before each, hides the panel. Painting goes
    // on during the pauses; the learner's input is dropped until the animation is over.
    void play(int pauseMs);

  private:
    std::array<QLabel*, kMarkBars> bars_{};
};
