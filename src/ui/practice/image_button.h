#pragma once
// A picture that acts as a button: press, release and click (release over it). Its caption label
// forwards its own mouse events here, so clicking the caption is the same as clicking the picture.

#include <QLabel>

class ImageButton : public QLabel {
    Q_OBJECT
  public:
    explicit ImageButton(QWidget* parent = nullptr);
    // Mouse events of `caption` act on this button.
    void addCaption(QLabel* caption);

  signals:
    void pressed();
    void released();
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    bool handlePress(QMouseEvent* e);
    bool handleRelease(QMouseEvent* e, QWidget* from);
    bool down_ = false;
};
