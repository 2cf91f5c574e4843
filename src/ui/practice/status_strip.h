#pragma once
// The strip under the question view: its three background pictures Bot1..Bot3, the remaining-
// questions panel TxtRem with its list RemQns, the clock lblClock or the time taken LTime, today's
// date lblDate or the date completed ETime, and the score PScoring. Its groups never overlap:
// where they do not fit side by side the strip takes another row (PlanStripRows).

#include <QList>
#include <QWidget>
#include <array>

class QComboBox;
struct StripGroup;
class QLabel;

// What a screen reader says of a score: "Paper 3, 66.7 percent", "Paper 3, second attempt, 57.1
// percent" (the paper's position within its topic).
QString ScoreName(int paperInTopic, bool secondAttempt, const QString& scoring);

class StatusStrip : public QWidget {
    Q_OBJECT
  public:
    StatusStrip(const QString& graphicsFolder, bool secondAttempt, QWidget* parent);

    QComboBox* remainingList() const { return remainingList_; }
    // The question numbers of the remaining list, ascending.
    void setRemaining(const QList<int>& questions);
    // The first attempt's clock and today's date (the second attempt shows neither).
    void setClock(const QString& clock);
    void setDate(const QString& date);
    // The marked state: the remaining list goes; time taken and date completed (first attempt)
    // and the score, `scoreName` being what a screen reader says of it.
    void showMarked(const QString& timeTaken, const QString& completed, const QString& scoring,
                    const QString& scoreName);

    // What a screen reader says of the score once the paper is marked.
    QString scoreName() const;
    // The strip's height at `width`: one row of kHeight, or more where the groups with their
    // captions need them.
    int heightFor(int width) const;

    static constexpr int kHeight = 30;

  signals:
    void questionChosen(int question);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    enum Group { Remaining, Time, Date, Score, GroupCount };
    void buildRemaining();
    void buildGroups();
    QLabel* label(const QString& name, const QString& text, bool bold);
    int groupWidth(Group g, bool compact) const;
    QList<StripGroup> wantedGroups() const;
    void layoutGroups();

    bool second_ = false;
    bool marked_ = false;
    std::array<QLabel*, 3> bottoms_{};  // Bot1..Bot3
    QWidget* remaining_ = nullptr;      // TxtRem
    QComboBox* remainingList_ = nullptr;
    // Each group: its caption first, then its values; the widgets of the current state.
    std::array<QList<QWidget*>, GroupCount> groups_;
    QLabel* clockCaption_ = nullptr;
    QLabel* clock_ = nullptr;      // lblClock
    QLabel* timeTaken_ = nullptr;  // LTime
    QLabel* dateCaption_ = nullptr;
    QLabel* date_ = nullptr;       // lblDate
    QLabel* completed_ = nullptr;  // ETime
    QLabel* scoring_ = nullptr;    // PScoring
};
