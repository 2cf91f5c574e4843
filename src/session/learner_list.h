#pragma once
// The learners of a data folder and who practised last. With one learner the data folder is laid
// out as it always was: that learner's results at its top and no list written. A second learner
// gets a folder of its own under "learners/"; the first keeps its files where they are, so
// nothing of an earlier version's folder moves. The list is "learners.ini" at the top.
//
// Every change is written at once and undone when it cannot be: a learner's folder is made or
// renamed first, then the list is written, and the folder goes back when the list could not be.
// A removed learner's files are moved aside under "removed learners/", never deleted.

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

struct Learner {
    QString name;
    QString folder;  // relative to the data folder: "." for results kept at its top
};

class LearnerList {
  public:
    static QString fileName();            // "learners.ini"
    static QString learnersFolderName();  // "learners"
    static QString removedFolderName();   // "removed learners"
    // The name the first learner has until somebody gives another.
    static QString firstLearnerName();

    // Never fails: a data folder without a list (or with one that cannot be read) has the
    // learners its folders show, at least the one kept at its top.
    static LearnerList load(const QString& dataFolder);

    const QString& dataFolder() const { return m_dataFolder; }
    const QList<Learner>& learners() const { return m_learners; }
    int count() const { return int(m_learners.size()); }
    QStringList names() const;
    int indexOf(const QString& name) const;  // names compared as SameLearnerName; -1: none
    // The learner who practised last (0 when the list does not say).
    int lastIndex() const;
    // The learner's folder, absolute; the data folder itself for "." .
    QString folderOf(int index) const;
    QStringList folders() const;  // every learner's, absolute

    // A folder nobody has practised in yet: no list and no results file at its top. A learner
    // named on the command line then takes the first learner's place instead of joining it.
    bool untouched() const;

    struct Change {
        bool done = false;
        QString problem;  // for the parent, when not done
        int index = -1;   // the learner added or renamed
        QString aside;    // a removed learner's folder, where it now is (absolute)
    };
    Change add(const QString& name);
    Change rename(int index, const QString& name);
    Change remove(int index, const QDateTime& now);
    // Remembers who practised last. Written only where a list is kept (two learners or more,
    // or a named first learner); false when that write failed.
    bool setLast(int index);

  private:
    bool save() const;
    QStringList namesExcept(int index) const;
    int indexOfFolder(const QString& folder) const;
    QString freeFolderIn(const QString& parent, const QString& base) const;

    QString m_dataFolder;
    QList<Learner> m_learners;
    QString m_last;
    bool m_listed = false;  // learners.ini exists
};
