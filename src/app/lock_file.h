#pragma once
// The lock file "hmquiz.lock" in the form QLockFile writes it (older versions of the program made
// it with QLockFile and still read it so): lines of the owner's process id, program name, host
// name, machine id and boot id. Whatever stands at its path is looked at with lstat first and
// read only when it is a small regular file, so a named pipe, a device or a folder put there can
// neither block nor flood the start.

#include <QByteArray>
#include <QString>
#include <optional>

struct LockOwner {
    qint64 pid = 0;
    QString appName;
    QString hostName;
    QByteArray machineId;
    QByteArray bootId;
};

// This process as a lock file names it.
LockOwner ThisProcessAsOwner();
QByteArray LockFileBytes(const LockOwner& owner);
// The owner a lock file names, or nothing when its first line is not a process id.
std::optional<LockOwner> ParseLockFile(const QByteArray& bytes);

// Whether the owner runs on this machine: by machine id where both are known, else by host name.
bool OwnerOnThisMachine(const LockOwner& owner);
// For an owner on this machine: false when it is certainly gone (the machine started again since,
// no such process, or the process id now belongs to another program).
bool OwnerMayBeRunning(const LockOwner& owner);

struct LockFileFound {
    enum class Kind {
        Missing,       // nothing there
        DanglingLink,  // a link to nothing: no copy ever makes one, so it holds nothing
        Readable,      // a regular file (or a link to one) of a lock file's size; `owner` if named
        NotALockFile,  // anything else; `what` names it for the learner
    };
    Kind kind = Kind::Missing;
    std::optional<LockOwner> owner;
    qint64 ageMs = 0;  // Readable: since it was last written
    QString what;      // NotALockFile: "a folder", "a named pipe", "a link to /dev/zero, a device"
};

LockFileFound LookAtLockFile(const QString& path);

// Whether some process holds the lock file's own lock (a running copy, here or, on a network
// folder that passes such locks on, on another machine). Never blocks.
bool LockFileIsHeld(const QString& path);

// Removes a lock file whose owner is gone (a regular file or a dangling link): refused while a
// running copy still holds the file's own lock. Never removes what a link points to.
bool RemoveStaleLockFile(const QString& path);

// A lock file this process made, kept open with its own lock held, the way QLockFile holds its
// file, so an older copy of the program never removes it as stale.
class HeldLockFile {
  public:
    // Makes the file at `path`, which must not exist. Nothing on failure; `error` says why.
    static std::optional<HeldLockFile> create(const QString& path, int* error = nullptr);

    HeldLockFile(HeldLockFile&& other) noexcept;
    HeldLockFile& operator=(HeldLockFile&& other) noexcept;
    HeldLockFile(const HeldLockFile&) = delete;
    HeldLockFile& operator=(const HeldLockFile&) = delete;
    ~HeldLockFile();  // removes the file, if what stands at the path is still this very file

    // True while the path still leads to the file this object made.
    bool stillInPlace() const;

  private:
    void release();
    HeldLockFile(QString path, int fd) : m_path(std::move(path)), m_fd(fd) {}
    QString m_path;
    int m_fd = -1;
};
