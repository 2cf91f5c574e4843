#pragma once
// The keyboard-focus ring of a control that draws none of its own (an answer box, whose caret
// goes once it is read-only; the question view): a ring over the control's edge, shown while the
// control has the focus from the keyboard. A click, or the focus the window puts in an answer box
// for typing, leaves the look as it was.

#include <QWidget>

class FocusRing : public QWidget {
    Q_OBJECT
  public:
    // Marks `target`; the ring lies `outset` pixels outside its edge (negative: inside).
    FocusRing(QWidget* target, int outset);
    bool isMarking() const { return isVisible(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void follow();
    bool wanted(Qt::FocusReason reason) const;
    QWidget* target_ = nullptr;
    int outset_ = 0;
    bool markedBeforeLeaving_ = false;
};
