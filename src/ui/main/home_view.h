#pragma once
// Body_Home: the ten topics, the five paper slots of the chosen topic with their scores, and the
// load and try-again buttons.

#include <QPoint>
#include <QStringList>
#include <QWidget>

class QLabel;
class PictureButton;

class HomeView : public QWidget {
    Q_OBJECT
  public:
    HomeView(const QString& graphicsFolder, QWidget* parent);

    void loadPictures();

    // Captions Topic1..Topic10; entries past `topicCount` and their bullets are hidden.
    void setTopics(const QStringList& names, int topicCount);

    // TopicChoosing: the scores of papers k..k+4 (1-based indexes into the lists), the chosen
    // topic's name in SubH1, and the buttons each slot offers.
    void TopicChoosing(int firstPaper, const QStringList& firstScores,
                       const QStringList& secondScores, const QString& topicName);

    // Topicbuttoncolour: highlights topic entry `topic` (1 to 10) and no other.
    void Topicbuttoncolour(int topic);

    QString subHeading() const;
    void setSubHeading(const QString& text);

    // Load-button hover pictures for the cursor at `globalCursor`.
    void hover(QPoint globalCursor);

  signals:
    void topicClicked(int topic);             // 1 to 10
    void paperClicked(int offset, int take);  // slot offset 0..4, attempt 1 or 2

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void placeScore(QLabel* score, bool rightAligned);

    QString m_folder;
    QLabel* m_colHead[2] = {};
    QLabel* m_bullets[10] = {};
    QLabel* m_topics[10] = {};
    QLabel* m_subH1 = nullptr;
    PictureButton* m_load[5] = {};
    PictureButton* m_tryAgain[5] = {};
    QLabel* m_firstScores[5] = {};
    QLabel* m_secondScores[5] = {};
    QWidget* m_percent = nullptr;
};
