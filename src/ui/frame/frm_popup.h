#pragma once
// frmPopUp: the program's own message and Yes/No dialog, drawn in the window skin.
// Made afresh for every use: CallPop, then exec() (modal), then it is gone.

#include <QString>

#include "ui/frame/skinned_window.h"

class QEventLoop;
class QLabel;
class QTimer;

class FrmPopUp : public SkinnedWindow {
    Q_OBJECT
public:
    explicit FrmPopUp(const QString& graphicsFolder, QWidget* parent = nullptr);

    // Sets title and message; buttonCount 1 shows "OK" centred, 2 shows "Yes" and "No"; any
    // other count leaves the buttons as they are. The dialog is centred over `over` (or its
    // parent, or left where it is when both are null). Does not show the dialog.
    void CallPop(const QString& title, const QString& message, int buttonCount, QWidget* over);

    // Shows the dialog modally and returns when it has closed: the text its button wrote
    // ("True" first button, "False" second), or empty text when it was closed any other way.
    QString exec();

    // Hover pictures of the two buttons for the cursor at `globalCursor` (the 100 ms tick).
    void hoverButtons(QPoint globalCursor);

signals:
    // "True" or "False", emitted by a button just before the dialog closes.
    void answered(const QString& answer);

protected:
    void layoutContent() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void press(int button);

    QLabel* m_message = nullptr;
    QLabel* m_info = nullptr;
    QLabel* m_buttons[2] = {};
    QLabel* m_captions[2] = {};
    QTimer* m_timer = nullptr;
    QString m_answer;
    bool m_dropMessage = false;
    QObject* m_pressed = nullptr;
    bool m_closed = false;
    QEventLoop* m_loop = nullptr;
};
