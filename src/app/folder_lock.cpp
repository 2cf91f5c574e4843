#include "app/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

#include "app/app_log.h"

FolderLock::FolderLock(const QString& folder) {
    m_fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0) return;
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
        m_state = State::Held;
        return;
    }
    if (errno == EWOULDBLOCK) {
        m_state = State::HeldByOther;
    } else {
        // Network folders may refuse a lock on a folder; the lock file is then all there is.
        qCInfo(lcApp) << "the folder" << folder << "cannot be locked here:" << qt_error_string();
    }
    ::close(m_fd);
    m_fd = -1;
}

FolderLock::~FolderLock() {
    if (m_fd >= 0) ::close(m_fd);
}
