#pragma once
// Resizing the practice window by the mouse: the pointer shapes of the edge bands, the pointer
// snapped onto an edge by a press in a band, and the drag of the bottom-right corner (the window's
// own surface or its grip Sizer) down to the smallest size. The rules are in practice_geometry.h.

#include <QObject>

#include "ui/practice/practice_geometry.h"

class QLabel;
class QMouseEvent;
class QWidget;

class PracticeResizer : public QObject {
    Q_OBJECT
  public:
    // Watches `window` and makes its grip Sizer from the skin picture statusgrabber.bmp.
    PracticeResizer(QWidget* window, const QString& graphicsFolder);
    QLabel* sizer() const { return sizer_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool press(QMouseEvent* event);
    void move(QMouseEvent* event);
    void release(QMouseEvent* event);

    QWidget* window_ = nullptr;
    QLabel* sizer_ = nullptr;
    EdgeBands pressBands_;
    bool resizing_ = false;
};
