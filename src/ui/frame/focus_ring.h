#pragma once
// The focus ring of a control that draws none of its own (an answer box, whose thin caret alone
// does not show which box of a question is ready, and goes once the box is read-only; the
// question view): a ring over the control's edge, shown however the focus arrived (Tab, Enter,
// a change of question, the window opening) except by a click, which leaves the look as it was.

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
    bool byMouse_ = false;  // the focus last came by a click
};
