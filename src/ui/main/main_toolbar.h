#pragma once
// The toolbar ToolBar01..ToolBar04 with the captions lblTB01..lblTB04 under the pictures. Its
// captions, tooltips and pictures follow the page: Home, Report, Print, Close on a module tab;
// About, Trash, (none), Setup on the Help tab.

#include <QObject>

#include "ui/frame/key_navigation.h"

class QLabel;
class QWidget;
class SkinnedButton;

class MainToolbar : public QObject {
    Q_OBJECT
  public:
    MainToolbar(const QString& graphicsFolder, QWidget* window);

    // Sizes the buttons to their pictures and places them from `top`; returns the bottom of the
    // captions.
    int place(int top);
    void showPage(bool helpTab);

    SkinnedButton* button(int slot) const { return m_buttons[slot - 1]; }
    FocusStop focusStop() const;

  signals:
    void slotClicked(int slot);  // 1 to 4
    // A left mouse button went down (true) or up (false) on a button's picture.
    void pressTracked(bool down);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString m_folder;
    SkinnedButton* m_buttons[4] = {};
    QLabel* m_captions[4] = {};
};
