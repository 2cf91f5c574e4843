#pragma once
// frmWho: "Who is practising?", asked at the start when a data folder has two learners or more.
// The learners in a list, the one who practised last chosen, so Enter picks that learner;
// the arrows move, Escape (or closing the window) ends the program without a choice.

#include <QStringList>

#include "ui/frame/skinned_window.h"

class QListWidget;
class QEventLoop;
class SkinnedButton;

class FrmWho : public SkinnedWindow {
    Q_OBJECT
  public:
    FrmWho(const QString& graphicsFolder, const QStringList& names, int byDefault);

    // Shows the form in the middle of the screen and waits: the index chosen, -1 for none.
    int exec();

    QListWidget* list() const { return m_list; }
    SkinnedButton* practiseButton() const { return m_practise; }

  protected:
    void layoutContent() override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void finish(bool chosen);

    QWidget* m_body = nullptr;
    QListWidget* m_list = nullptr;
    SkinnedButton* m_practise = nullptr;
    SkinnedButton* m_quit = nullptr;
    QEventLoop* m_loop = nullptr;
    bool m_chosen = false;
    bool m_closed = false;
};

// The form above, asked in the program's look.
int AskWhoIsPractising(const QString& graphicsFolder, const QStringList& names, int byDefault);
