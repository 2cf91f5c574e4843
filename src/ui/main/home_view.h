#pragma once
// Body_Home: the ten topics, the five paper slots of the chosen topic with their scores, and the
// load and try-again buttons.

#include <QList>
#include <QStringList>

#include "content/course_shape.h"
#include "ui/main/main_view.h"

class QLabel;
class SkinnedButton;
class TopicEntry;

class HomeView : public MainView {
    Q_OBJECT
  public:
    HomeView(const QString& graphicsFolder, QWidget* parent);

    // Reads the view's pictures, once the start-up has written them out.
    void loadPictures();

    // Captions Topic1..Topic10; entries past `numberOfTopics` and their bullets are hidden.
    void setTopics(const QStringList& names, int numberOfTopics);

    // TopicChoosing: the scores of papers k..k+4 (1-based indexes into the lists), the chosen
    // topic's name in SubH1, and the buttons each slot offers.
    void TopicChoosing(int firstPaper, const QStringList& firstScores,
                       const QStringList& secondScores, const QString& topicName);

    // Topicbuttoncolour: highlights topic entry `topic` (1 to kTopicCapacity) and no other.
    void Topicbuttoncolour(int topic);

    QString subHeading() const;
    // Gives the chosen topic the focus (before the window is shown, too).
    void focusChosenTopic();

    // Tab stops: the topics as one (arrow keys inside), then each paper button shown.
    QList<FocusStop> focusStops() const override;

  signals:
    void topicClicked(int topic);             // 1 to kTopicCapacity
    void paperClicked(int offset, int take);  // slot offset from 0, attempt 1 or 2

  private:
    struct PaperSlot {
        SkinnedButton* load = nullptr;
        SkinnedButton* tryAgain = nullptr;
        QLabel* first = nullptr;   // MSAj
        QLabel* second = nullptr;  // MSBj
    };

    void buildColumnHeads();
    void buildTopics();
    void buildSlot(int j);
    void showScore(int j, bool second, const QString& score, bool rightAligned);

    QString m_folder;
    QLabel* m_colHead[2] = {};
    QLabel* m_bullets[kTopicCapacity] = {};
    TopicEntry* m_topics[kTopicCapacity] = {};
    QLabel* m_subH1 = nullptr;
    PaperSlot m_slots[kPapersPerTopic];
};
