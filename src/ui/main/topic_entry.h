#pragma once
// One topic of the Home view (Topic1 .. Topic10): drawn as a line of text, the chosen one on
// grey; a button that Tab and the arrow keys reach and Space or Enter chooses.

#include <QAbstractButton>

class TopicEntry : public QAbstractButton {
    Q_OBJECT
  public:
    TopicEntry(const QString& objectName, QWidget* parent);

    // The entry's place: the widget is a little larger, with room for the focus mark around it.
    void setEntryRect(const QRect& entry);
    QRect entryRect() const;

    // The chosen topic is drawn on grey, and a screen reader hears it is the chosen one.
    void setChosen(bool chosen);
    bool chosen() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};
