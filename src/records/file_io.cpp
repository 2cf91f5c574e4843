#include "records/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>

#include "records/records_log.h"

namespace {

CommitHook g_commitHook = nullptr;

const QLatin1String kTemporaryMark(".hmquiz-tmp-");

QMutex g_gateMutex;
WriteGate g_writeGate;

bool WriteAllowed(const QString& target) {
    WriteGate gate;
    {
        const QMutexLocker locker(&g_gateMutex);
        gate = g_writeGate;
    }
    return !gate || gate(target);
}

void CallHook(CommitPoint point, const QString& path) {
    if (g_commitHook) g_commitHook(point, path);
}

FileKind KindOfMode(mode_t mode) {
    if (S_ISREG(mode)) return FileKind::Regular;
    if (S_ISDIR(mode)) return FileKind::Directory;
    if (S_ISFIFO(mode)) return FileKind::Fifo;
    if (S_ISSOCK(mode)) return FileKind::Socket;
    if (S_ISCHR(mode)) return FileKind::CharDevice;
    if (S_ISBLK(mode)) return FileKind::BlockDevice;
    return FileKind::Other;
}

QString ErrorText() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

QString Tr(const char* text) {
    return QCoreApplication::translate("WriteError", text);
}

// Fills `error` (when asked for) and returns false, so a refusal is one line.
bool Fail(WriteError* error, const QString& path, WriteProblem problem, int systemError = 0) {
    if (error) *error = {path, problem, systemError};
    return false;
}

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) continue;
        if (written == 0) errno = ENOSPC;  // nothing taken: no room for it
        if (written <= 0) return false;
        data += written;
        left -= written;
    }
    return true;
}

// A fresh sibling "NAME.hmquiz-tmp-XXXXXX" opened for writing, or -1.
int CreateTemporarySibling(const QString& target, QString& tempPath) {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString suffix;
        for (int i = 0; i < 6; ++i)
            suffix += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(52)]);
        tempPath = target + kTemporaryMark + suffix;
        const int fd = ::open(QFile::encodeName(tempPath).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

bool IsTemporaryFileName(const QString& fileName) {
    static const QRegularExpression form(
        QStringLiteral("^[^/]+%1[A-Za-z]{6}$")
            .arg(QRegularExpression::escape(QString(kTemporaryMark))));
    return form.match(fileName).hasMatch();
}

void SetWriteGate(WriteGate gate) {
    const QMutexLocker locker(&g_gateMutex);
    g_writeGate = std::move(gate);
}

FileKind FileKindAt(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return FileKind::Missing;
    return KindOfMode(st.st_mode);
}

std::optional<QByteArray> ReadRegularFile(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0) return std::nullopt;
    if (!S_ISREG(st.st_mode)) {
        qCWarning(lcRecords) << path << "is not a regular file; not read";
        return std::nullopt;
    }
    // Non-blocking, and checked again once open: something swapped in meanwhile is not read.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        qCWarning(lcRecords) << "cannot open" << path << ErrorText();
        return std::nullopt;
    }
    QByteArray bytes;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    char buffer[16384];
    while (ok) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) ok = false;
        if (got <= 0) break;
        bytes.append(buffer, got);
    }
    if (!ok) qCWarning(lcRecords) << "cannot read" << path << ErrorText();
    ::close(fd);
    if (!ok) return std::nullopt;
    return bytes;
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, FileSync sync,
                         WriteError* error) {
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink() && info.exists()) target = info.canonicalFilePath();
    struct stat st {};
    const bool exists = ::stat(QFile::encodeName(target).constData(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        qCWarning(lcRecords) << path << "is not a regular file; not replaced";
        return Fail(error, path, WriteProblem::NotRegularFile);
    }
    if (exists && ::access(QFile::encodeName(target).constData(), W_OK) != 0) {
        const int cause = errno;
        qCWarning(lcRecords) << "may not write" << path << ErrorText();
        return Fail(error, path, WriteProblemOf(cause), cause);
    }
    if (sync == FileSync::ToDisk && !WriteAllowed(target)) {
        qCWarning(lcRecords) << path << "not written: this copy of the program no longer holds it";
        return Fail(error, path, WriteProblem::HeldByOtherCopy);
    }

    QString tempPath;
    const int fd = CreateTemporarySibling(target, tempPath);
    if (fd < 0) {
        const int cause = errno;
        qCWarning(lcRecords) << "cannot create a temporary file beside" << path << ErrorText();
        return Fail(error, path, WriteProblemOf(cause), cause);
    }
    // The first step that fails says why.
    int cause = 0;
    auto step = [&cause](bool done) {
        if (!done && cause == 0) cause = errno != 0 ? errno : EIO;
        return done;
    };
    bool ok = !exists || step(::fchmod(fd, st.st_mode & 07777) == 0);
    ok = ok && step(WriteAll(fd, bytes));
    if (ok && sync == FileSync::ToDisk) ok = step(::fsync(fd) == 0);
    ok = step(::close(fd) == 0) && ok;
    if (ok) {
        CallHook(CommitPoint::BeforeRename, target);
        ok = step(::rename(QFile::encodeName(tempPath).constData(),
                           QFile::encodeName(target).constData()) == 0);
    }
    if (!ok) {
        qCWarning(lcRecords) << "cannot write" << path
                             << QString::fromLocal8Bit(std::strerror(cause));
        ::unlink(QFile::encodeName(tempPath).constData());
        return Fail(error, path, WriteProblemOf(cause), cause);
    }
    CallHook(CommitPoint::AfterRename, target);
    return true;
}

WriteProblem WriteProblemOf(int systemError) {
    switch (systemError) {
        case 0:
            return WriteProblem::None;
        case ENOSPC:
        case EDQUOT:
            return WriteProblem::DiskFull;
        case EROFS:
            return WriteProblem::ReadOnlyDisk;
        case EACCES:
        case EPERM:
            return WriteProblem::NoPermission;
        case EFBIG:
            return WriteProblem::TooLarge;
        case EISDIR:
            return WriteProblem::NotRegularFile;
        default:
            return WriteProblem::Other;
    }
}

QString WriteProblemText(const WriteError& error) {
    switch (error.problem) {
        case WriteProblem::None:
            break;
        case WriteProblem::NotRegularFile:
            return Tr("something other than a file stands in its place");
        case WriteProblem::NoPermission:
            return Tr("it or its folder may not be changed (read-only or locked)");
        case WriteProblem::ReadOnlyDisk:
            return Tr("the disk it is on is read-only");
        case WriteProblem::DiskFull:
            return Tr("the disk is full");
        case WriteProblem::TooLarge:
            return Tr("it would grow larger than the system allows a file to be");
        case WriteProblem::HeldByOtherCopy:
            return Tr("another copy of the program is using its folder");
        case WriteProblem::Other:
            if (error.systemError != 0)
                return QString::fromLocal8Bit(std::strerror(error.systemError));
            return Tr("the system refused to write it");
    }
    return {};
}

QString DescribeWriteError(const WriteError& error) {
    return Tr("%1 cannot be written: %2")
        .arg(QFileInfo(error.path).fileName(), WriteProblemText(error));
}

bool SyncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool ok = fd >= 0 && ::fsync(fd) == 0;
    if (!ok) qCWarning(lcRecords) << "cannot sync the folder" << folder << ErrorText();
    if (fd >= 0) ::close(fd);
    return ok;
}

void SetCommitHookForTesting(CommitHook hook) {
    g_commitHook = hook;
}
