#pragma once
// Moving a frameless window by a press on its title strip.
//
// The window system is asked to run the move itself (QWindow::startSystemMove, which needs the
// press that is being handled). Where it refuses (no window manager, the offscreen platform),
// the window follows the mouse until the button is released.

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

class CaptionDrag : public QObject {
    Q_OBJECT
  public:
    explicit CaptionDrag(QWidget* window);

    // A press of any mouse button on `handle` starts a move of the window.
    void watch(QWidget* handle);

    // Starts a move from a press at `globalPos`; call only while handling that press.
    void MoveForm(QPoint globalPos);

    // Set false to skip the window system's move (tests of the fallback path).
    void setUseSystemMove(bool use) { m_useSystemMove = use; }
    bool followingMouse() const { return m_following; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QWidget> m_window;
    bool m_useSystemMove = true;
    bool m_following = false;
    QPoint m_grabOffset;  // press position relative to the window's top-left corner
};
