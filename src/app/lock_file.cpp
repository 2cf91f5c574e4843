#include "app/lock_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <cerrno>
#include <limits>
#include <utility>

#include "app/app_log.h"

namespace {

class LockFileText {
    Q_DECLARE_TR_FUNCTIONS(LockFile)
};

// A lock file holds five short lines; anything much longer was not written as one.
constexpr qint64 kLongestLockFile = 4096;

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

QString KindName(mode_t mode) {
    if (S_ISDIR(mode)) return LockFileText::tr("a folder");
    if (S_ISFIFO(mode)) return LockFileText::tr("a named pipe");
    if (S_ISSOCK(mode)) return LockFileText::tr("a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return LockFileText::tr("a device");
    return LockFileText::tr("a special file");
}

// The program file a process runs, as QLockFile names it; empty when the process is gone,
// nothing when that cannot be told (another user's process).
std::optional<QString> ProcessName(qint64 pid) {
    const QByteArray link = "/proc/" + QByteArray::number(pid) + "/exe";
    char buffer[4096];
    const ssize_t length = ::readlink(link.constData(), buffer, sizeof buffer - 1);
    if (length < 0) {
        if (errno == ENOENT || errno == ESRCH) return QString();
        return std::nullopt;
    }
    QByteArray target(buffer, length);
    static const QByteArray deleted = " (deleted)";
    if (target.endsWith(deleted)) target.chop(deleted.size());
    return QFileInfo(QFile::decodeName(target)).fileName();
}

// Opens what stands at `path` (following a link) without blocking, only if it is a regular file.
int OpenRegular(const QString& path, struct stat* st) {
    int fd = ::open(Native(path).constData(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EISDIR))
        fd = ::open(Native(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::fstat(fd, st) != 0 || !S_ISREG(st->st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// True when another open file holds the file's own lock; a file system without such locks
// holds none.
bool HeldElsewhere(int fd) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        ::flock(fd, LOCK_UN);
        return false;
    }
    return errno == EWOULDBLOCK;
}

}  // namespace

LockOwner ThisProcessAsOwner() {
    LockOwner owner;
    owner.pid = QCoreApplication::applicationPid();
    owner.appName = ProcessName(owner.pid).value_or(QString());
    if (owner.appName.isEmpty())
        owner.appName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    owner.hostName = QSysInfo::machineHostName();
    owner.machineId = QSysInfo::machineUniqueId();
    owner.bootId = QSysInfo::bootUniqueId();
    return owner;
}

QByteArray LockFileBytes(const LockOwner& owner) {
    return QByteArray::number(owner.pid) + '\n' + owner.appName.toUtf8() + '\n' +
           owner.hostName.toUtf8() + '\n' + owner.machineId + '\n' + owner.bootId + '\n';
}

std::optional<LockOwner> ParseLockFile(const QByteArray& bytes) {
    const QList<QByteArray> lines = bytes.split('\n');
    bool ok = false;
    LockOwner owner;
    owner.pid = lines.value(0).trimmed().toLongLong(&ok);
    if (!ok || owner.pid <= 0) return std::nullopt;
    owner.appName = QString::fromUtf8(lines.value(1));
    owner.hostName = QString::fromUtf8(lines.value(2));
    owner.machineId = lines.value(3);
    owner.bootId = lines.value(4);
    return owner;
}

bool OwnerOnThisMachine(const LockOwner& owner) {
    const QByteArray ours = QSysInfo::machineUniqueId();
    if (!owner.machineId.isEmpty() && !ours.isEmpty()) return owner.machineId == ours;
    return owner.hostName.isEmpty() || owner.hostName == QSysInfo::machineHostName();
}

bool OwnerMayBeRunning(const LockOwner& owner) {
    const QByteArray boot = QSysInfo::bootUniqueId();
    if (!owner.bootId.isEmpty() && !boot.isEmpty() && owner.bootId != boot) return false;
    if (owner.pid > std::numeric_limits<pid_t>::max()) return false;
    if (::kill(pid_t(owner.pid), 0) == -1 && errno == ESRCH) return false;
    // A process id used again by another program: its owner is gone.
    const std::optional<QString> name = ProcessName(owner.pid);
    if (name && !owner.appName.isEmpty() && *name != QFileInfo(owner.appName).fileName())
        return false;
    return true;
}

LockFileFound LookAtLockFile(const QString& path) {
    LockFileFound found;
    struct stat st {};
    if (::lstat(Native(path).constData(), &st) != 0) return found;
    if (S_ISLNK(st.st_mode)) {
        const QString target = QFileInfo(path).symLinkTarget();
        if (::stat(Native(path).constData(), &st) != 0) {
            found.kind = LockFileFound::Kind::DanglingLink;
            found.what = LockFileText::tr("a link to %1, which does not exist").arg(target);
            return found;
        }
        if (!S_ISREG(st.st_mode)) {
            found.kind = LockFileFound::Kind::NotALockFile;
            found.what =
                LockFileText::tr("a link to %1, which is %2").arg(target, KindName(st.st_mode));
            return found;
        }
    } else if (!S_ISREG(st.st_mode)) {
        found.kind = LockFileFound::Kind::NotALockFile;
        found.what = KindName(st.st_mode);
        return found;
    }
    if (st.st_size > kLongestLockFile) {
        found.kind = LockFileFound::Kind::NotALockFile;
        found.what = LockFileText::tr("a file of %1 bytes").arg(st.st_size);
        return found;
    }

    const int fd = OpenRegular(path, &st);
    if (fd < 0) {
        // Gone or swapped for something else since the look: the caller looks again.
        found.kind = errno == ENOENT ? LockFileFound::Kind::Missing : LockFileFound::Kind::Readable;
        return found;
    }
    QByteArray bytes;
    char buffer[kLongestLockFile];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) != 0) {
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 || bytes.size() + got > kLongestLockFile) break;
        bytes.append(buffer, got);
    }
    ::close(fd);
    found.kind = LockFileFound::Kind::Readable;
    found.owner = ParseLockFile(bytes);
    const qint64 written = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
    found.ageMs = QDateTime::currentMSecsSinceEpoch() - written;
    return found;
}

bool LockFileIsHeld(const QString& path) {
    struct stat st {};
    const int fd = OpenRegular(path, &st);
    if (fd < 0) return false;
    const bool held = HeldElsewhere(fd);
    ::close(fd);
    return held;
}

bool RemoveStaleLockFile(const QString& path) {
    struct stat st {};
    if (::lstat(Native(path).constData(), &st) != 0) return errno == ENOENT;
    const bool dangling = S_ISLNK(st.st_mode) && ::stat(Native(path).constData(), &st) != 0;
    int fd = -1;
    if (!dangling) {
        fd = OpenRegular(path, &st);
        if (fd < 0) return false;
        if (HeldElsewhere(fd)) {
            ::close(fd);
            return false;
        }
    }
    // unlink takes the link itself away, never what it points to.
    const bool removed = ::unlink(Native(path).constData()) == 0 || errno == ENOENT;
    if (!removed)
        qCWarning(lcApp) << "cannot remove the stale lock file" << path << qt_error_string();
    if (fd >= 0) ::close(fd);
    return removed;
}

std::optional<HeldLockFile> HeldLockFile::create(const QString& path, int* error) {
    // Made in place rather than through the atomic writer: only an exclusive creation lets one
    // copy of two that start together have it; a rename would replace the other's.
    const int fd = ::open(Native(path).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (error) *error = errno;
        return std::nullopt;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        qCInfo(lcApp) << "the lock file" << path << "cannot carry a lock of its own here";
    const QByteArray bytes = LockFileBytes(ThisProcessAsOwner());
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += n;
    }
    if (written < bytes.size()) {
        if (error) *error = errno ? errno : ENOSPC;
        ::unlink(Native(path).constData());
        ::close(fd);
        return std::nullopt;
    }
    ::fdatasync(fd);
    return HeldLockFile(path, fd);
}

HeldLockFile::HeldLockFile(HeldLockFile&& other) noexcept
    : m_path(std::move(other.m_path)), m_fd(std::exchange(other.m_fd, -1)) {}

HeldLockFile& HeldLockFile::operator=(HeldLockFile&& other) noexcept {
    if (this != &other) {
        release();
        m_path = std::move(other.m_path);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

HeldLockFile::~HeldLockFile() {
    release();
}

void HeldLockFile::release() {
    if (m_fd < 0) return;
    // Another copy's lock file in its place is that copy's to remove.
    if (stillInPlace()) ::unlink(Native(m_path).constData());
    ::close(m_fd);
    m_fd = -1;
}

bool HeldLockFile::stillInPlace() const {
    struct stat mine {
    }, there{};
    return m_fd >= 0 && ::fstat(m_fd, &mine) == 0 && mine.st_nlink > 0 &&
           ::lstat(Native(m_path).constData(), &there) == 0 && mine.st_dev == there.st_dev &&
           mine.st_ino == there.st_ino;
}
