#pragma once
// One answer box FA<k>: a line edit that holds only storable text, says what it refused, and
// leaves the practice window's keys (answer_actions) to the window.

#include <QLineEdit>

class AnswerBox : public QLineEdit {
    Q_OBJECT
  public:
    AnswerBox(const QString& objectName, QWidget* parent);

  signals:
    // A typed or pasted character was left out; `hint` says which and why.
    void refused(const QString& hint);

  protected:
    bool event(QEvent* event) override;
};
