#include "records/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) continue;
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

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, FileSync sync) {
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink() && info.exists()) target = info.canonicalFilePath();
    struct stat st {};
    const bool exists = ::stat(QFile::encodeName(target).constData(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        qCWarning(lcRecords) << path << "is not a regular file; not replaced";
        return false;
    }
    if (exists && ::access(QFile::encodeName(target).constData(), W_OK) != 0) {
        qCWarning(lcRecords) << "may not write" << path << ErrorText();
        return false;
    }
    if (sync == FileSync::ToDisk && !WriteAllowed(target)) {
        qCWarning(lcRecords) << path << "not written: this copy of the program no longer holds it";
        return false;
    }

    QString tempPath;
    const int fd = CreateTemporarySibling(target, tempPath);
    if (fd < 0) {
        qCWarning(lcRecords) << "cannot create a temporary file beside" << path << ErrorText();
        return false;
    }
    bool ok = !exists || ::fchmod(fd, st.st_mode & 07777) == 0;
    ok = ok && WriteAll(fd, bytes);
    if (ok && sync == FileSync::ToDisk) ok = ::fsync(fd) == 0;
    const QString writeError = ok ? QString() : ErrorText();
    ok = (::close(fd) == 0) && ok;
    if (ok) {
        CallHook(CommitPoint::BeforeRename, target);
        ok = ::rename(QFile::encodeName(tempPath).constData(),
                      QFile::encodeName(target).constData()) == 0;
    }
    if (!ok) {
        qCWarning(lcRecords) << "cannot write" << path
                             << (writeError.isEmpty() ? ErrorText() : writeError);
        ::unlink(QFile::encodeName(tempPath).constData());
        return false;
    }
    CallHook(CommitPoint::AfterRename, target);
    return true;
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
