#pragma once
// One running copy per data folder. The first copy holds a lock file in the folder and listens on
// a local socket named after the folder; a later start on the same folder asks it through that
// socket to bring its window forward, and ends. A lock left by a copy that crashed is taken over.

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QWidget;

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Outcome {
        First,        // the lock is ours: carry on starting
        OtherRaised,  // another copy runs on this folder and was asked to come forward
        OtherSilent,  // another copy holds the lock but does not answer
        Failed,       // the lock file cannot be made
    };

    explicit SingleInstance(const QString& dataFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock or, when a running copy holds it, asks that copy to come forward. Waits up to
    // `patienceMs` for a copy that is still starting or just ending.
    Outcome claim(int patienceMs = 10000);

    // Why the outcome was OtherSilent or Failed, for the learner.
    QString problem() const { return m_problem; }

    static QString lockFilePath(const QString& dataFolder);
    // The socket's name: the same for every spelling of the same folder, different per user.
    static QString serverName(const QString& dataFolder);

  signals:
    // A later start asked for this copy's window.
    void activationRequested();

  private:
    bool tryLock();
    bool askRunningCopy(int timeoutMs);
    void listen();
    void answer(QLocalSocket* socket);

    QString m_folder;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
    QString m_problem;
};

// Brings a top-level window to the front the way a learner expects: out of the task bar if it was
// minimised, keeping its size otherwise, raised and given the focus.
void BringToFront(QWidget* window);
