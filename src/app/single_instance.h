#pragma once
// One running copy per data folder. The first copy locks the folder itself, holds a lock file in
// it and listens on a local socket named after the folder; a later start on the same folder asks
// it through that socket to bring its window forward, and ends. A lock left by a copy that crashed
// on this machine is taken over; one from another machine only once the learner agrees.
//
// The folder's own lock outlives the lock file, so removing or replacing that file while a copy
// runs lets no second copy in; the running copy makes the file again. Results files that are
// links into another folder bind that folder too, so two folders linked to the same files never
// have a copy each. Before every write of a results file the copy checks it still holds the
// folder the file lives in (see SetWriteGate), and refuses the write when it does not.

#include <QMutex>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <unordered_map>

#include "app/folder_lock.h"
#include "app/lock_file.h"

class QLocalServer;
class QLocalSocket;
class QTimer;
class QWidget;

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Outcome {
        First,          // the folder is ours: carry on starting
        OtherRaised,    // another copy runs on this folder and was asked to come forward
        OtherSilent,    // another copy holds the folder but does not answer
        OtherComputer,  // the lock names a copy on another computer that may have ended: ask
                        // the learner, then takeOver()
        Failed,         // the lock cannot be made, or something not a lock file stands there
    };

    explicit SingleInstance(const QString& dataFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the folder or, when a running copy holds it, asks that copy to come forward. Waits up
    // to `patienceMs` for a copy that is still starting or just ending.
    Outcome claim(int patienceMs = 10000);

    // After OtherComputer, once the learner agreed: removes that lock and takes the folder.
    // First, or Failed / OtherSilent with problem() saying why.
    Outcome takeOver();

    // Why the outcome was not First, for the learner.
    QString problem() const { return m_problem; }

    // The learners' folders: each is held as the data folder's own results files are, so a folder
    // (or a results file in it) that is a link into a folder another copy uses is refused. Once
    // First; false with problem() saying why.
    bool alsoHold(const QStringList& folders);

    // From now until this object goes, every synced write of the process first asks mayWrite().
    void guardWrites();

    // Whether a write to `target` (links followed) may go ahead: this copy still holds the lock
    // of the folder it is in (making the lock file again when it was removed), or, for a folder
    // reached through links, takes that folder's lock now. Logs why not. Any thread.
    bool mayWrite(const QString& target);

    static QString lockFilePath(const QString& dataFolder);
    // The socket's name: the same for every spelling of the same folder, different per user.
    static QString serverName(const QString& dataFolder);

  signals:
    // A later start asked for this copy's window.
    void activationRequested();

  private:
    enum class Attempt { Taken, Busy, Foreign, Unusable };
    Attempt tryTake();
    Attempt takeLockFile();
    Attempt holdLinkedFolders(const QString& folder);
    bool makeLockFile();
    void letGo();
    bool holdsOwnLock();
    bool holdsFolder(const QString& folder);
    bool askRunningCopy(int timeoutMs);
    void listen();
    void answer(QLocalSocket* socket);

    QString m_folder;
    QString m_realFolder;  // the folder with every link followed
    QString m_lockPath;
    std::unique_ptr<FolderLock> m_folderLock;
    std::optional<HeldLockFile> m_lockFile;
    // Folders that results files reached through links live in, and their locks.
    std::unordered_map<std::string, std::unique_ptr<FolderLock>> m_linkedFolders;
    std::unique_ptr<QLocalServer> m_server;
    std::optional<LockOwner>
        m_foreignOwner;  // the other computer's copy the learner is asked about
    int m_createError = 0;
    QTimer* m_lockWatch = nullptr;
    QMutex m_mutex;         // the lock state, checked from the GUI thread and the start-up's writer
    QString m_lockTrouble;  // what was last said about the lock file, said again only on change
    bool m_guarding = false;
    QString m_problem;
};

// Brings a top-level window to the front the way a learner expects: out of the task bar if it was
// minimised, keeping its size otherwise, raised and given the focus.
void BringToFront(QWidget* window);
