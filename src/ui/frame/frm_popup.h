#pragma once
// frmPopUp: the program's own message and Yes/No dialog, drawn in the window skin.
// Made afresh for every use: CallPop, then exec() (modal to the window it was opened over), then
// it is gone. Keys: Enter presses the focused button (Yes or OK when it opens, unless No is made
// the default), Escape answers No, Y and N answer Yes and No, Tab moves between the buttons.

#include <QString>

#include "ui/frame/skinned_window.h"

class QEventLoop;
class QLabel;
class SkinnedButton;

// The answer of a dialog: its first button (Yes, OK) is True, its second (No) False.
enum class PopUpResponse { Unanswered, True, False };

class FrmPopUp : public SkinnedWindow {
    Q_OBJECT
  public:
    // `parent` is the window the dialog belongs to: only that window (and the windows it
    // belongs to) is blocked while the dialog is shown, and no other is raised above it.
    explicit FrmPopUp(const QString& graphicsFolder, QWidget* parent = nullptr);

    // Sets title and message; buttonCount 1 shows "OK" centred, 2 shows "Yes" and "No"; any
    // other count leaves the buttons as they are. The dialog is centred over `over` (or its
    // parent, or left where it is when both are null). Does not show the dialog.
    void CallPop(const QString& title, const QString& message, int buttonCount, QWidget* over);

    // The button that has the focus when the dialog opens, and so answers Enter: True (Yes, the
    // first) unless set to False (No) for a question whose Yes cannot be undone.
    void setDefaultAnswer(PopUpResponse answer);

    // Shows the dialog modally and returns when it has closed: the answer of the button that
    // closed it, Unanswered when it was closed any other way.
    PopUpResponse exec();

    SkinnedButton* button(int index) const { return m_buttons[index]; }

  signals:
    // Emitted by a button just before the dialog closes.
    void answered(PopUpResponse answer);

  protected:
    void layoutContent() override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void press(int button);
    bool twoButtons() const;
    int defaultButton() const;
    QRect messageArea() const;
    int wantedMessageHeight() const;

    QLabel* m_message = nullptr;
    QLabel* m_info = nullptr;
    SkinnedButton* m_buttons[2] = {};
    QLabel* m_captions[2] = {};
    PopUpResponse m_answer = PopUpResponse::Unanswered;
    int m_defaultButton = 0;
    bool m_dropMessage = false;
    bool m_closed = false;
    QEventLoop* m_loop = nullptr;
};
