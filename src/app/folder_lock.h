#pragma once
// A lock on a folder itself, held by the kernel for as long as this process keeps it: removing or
// replacing the lock file inside cannot take it away, and a second copy reaching the same files
// by another path (a link to the folder, links to the files in it) meets the same lock. A process
// that ends, however it ends, lets go of it.

#include <QString>

class FolderLock {
  public:
    enum class State {
        Held,         // ours until this object goes
        HeldByOther,  // another process (or another FolderLock of this one) holds it
        Unsupported,  // the file system keeps no such locks (or the folder cannot be opened)
    };

    explicit FolderLock(const QString& folder);  // tries at once, without waiting
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    State state() const { return m_state; }

  private:
    int m_fd = -1;
    State m_state = State::Unsupported;
};
