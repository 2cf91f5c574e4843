#pragma once
// Body_Trash: erasing every result after a confirmation given in place.

#include <QList>
#include <QStringList>

#include "ui/main/main_view.h"

class QLabel;
class SkinnedButton;

class EraseView : public MainView {
    Q_OBJECT
  public:
    enum class State { Offer, Confirm, Done };

    EraseView(const QString& graphicsFolder, QWidget* parent);

    void setState(State state);
    State state() const { return m_state; }
    // The Done state after an erase; when nothing could be erased, `problem` (the file and the
    // reason) is shown instead of the erase being announced.
    void showErased(const QString& problem);

    QList<FocusStop> focusStops() const override;

  signals:
    // The learner confirmed: the owner rewrites the results files, then calls showErased.
    void eraseConfirmed();

  private:
    QLabel* makeText(const QString& name, const QString& text, const QRect& rect);
    SkinnedButton* makeButton(const QString& name, const QString& caption, const QRect& rect);

    State m_state = State::Offer;
    QLabel* m_offerText = nullptr;    // Trashlbl1
    QLabel* m_confirmText = nullptr;  // Trashlbl2
    QLabel* m_doneText = nullptr;     // Trashlbl3
    SkinnedButton* m_trash = nullptr;
    SkinnedButton* m_yes = nullptr;
    SkinnedButton* m_no = nullptr;
    QString m_folder;
};
