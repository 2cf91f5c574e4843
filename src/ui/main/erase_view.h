#pragma once
// Body_Trash: erasing every result after a confirmation given in place.

#include <QPoint>
#include <QWidget>

class QLabel;
class PictureButton;

class EraseView : public QWidget {
    Q_OBJECT
  public:
    enum class State { Offer, Confirm, Done };

    EraseView(const QString& graphicsFolder, QWidget* parent);

    void loadPictures();
    void setState(State state);
    State state() const { return m_state; }

    void hover(QPoint globalCursor);

  signals:
    // The learner confirmed: the owner rewrites the results files, then calls setState(Done).
    void eraseConfirmed();

  private:
    State m_state = State::Offer;
    QLabel* m_offerText = nullptr;    // Trashlbl1
    QLabel* m_confirmText = nullptr;  // Trashlbl2
    QLabel* m_doneText = nullptr;     // Trashlbl3
    PictureButton* m_trash = nullptr;
    PictureButton* m_yes = nullptr;
    PictureButton* m_no = nullptr;
};
