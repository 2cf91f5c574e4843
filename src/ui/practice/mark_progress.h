#pragma once
// The marking panel fmeMark: fifteen bars imgBar01..imgBar15 shown one after another, a pause
// before each, on a timer. While it plays, a shield over the whole window takes every press and
// key, so the window takes no input; other windows carry on.

#include <QFrame>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>

class QLabel;

inline constexpr int kMarkBars = 15;
inline constexpr int kMarkBarPauseMs = 200;

class MarkProgress : public QFrame {
    Q_OBJECT
  public:
    MarkProgress(const QString& graphicsFolder, QWidget* window);
    QLabel* bar(int i) const { return bars_[static_cast<size_t>(i - 1)]; }
    QWidget* shield() const { return shield_; }

    // Shows the panel in the middle of the window and the bars one by one, `pauseMs` before
    // each, then hides it and runs `done`. With no pause it all happens before play() returns.
    void play(int pauseMs, std::function<void()> done);
    // Shows the remaining bars at once and finishes as play() would.
    void finishNow();
    bool isPlaying() const { return playing_; }
    // Keeps the panel centred and the shield over the whole window.
    void place();

  private:
    void showNextBar();
    void finish();

    std::array<QLabel*, kMarkBars> bars_{};
    QWidget* window_ = nullptr;
    QWidget* shield_ = nullptr;
    QPointer<QWidget> focusBefore_;
    QTimer timer_;
    int shown_ = 0;
    bool playing_ = false;
    std::function<void()> done_;
};
