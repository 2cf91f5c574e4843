#pragma once
// A short notice at the foot of a window that goes away by itself (or when clicked): where a
// print went. Screen readers are told of it as an alert.

#include <QLabel>
#include <QTimer>

class PrintNotice : public QLabel {
    Q_OBJECT
  public:
    static constexpr int kShownMs = 6000;

    // Shows `text` over the bottom of `window`, replacing a notice it already shows.
    static PrintNotice* showOver(QWidget* window, const QString& text, int shownMs = kShownMs);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    explicit PrintNotice(QWidget* window);
    void place();

    QTimer m_timer;
};
