#include "app/single_instance.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <cerrno>

#include "app/app_log.h"
#include "records/file_io.h"
#include "results/marking_journal.h"
#include "results/results_files.h"

namespace {

class SingleInstanceText {
    Q_DECLARE_TR_FUNCTIONS(SingleInstance)
};

const QByteArray kRaiseRequest = "raise\n";
const QByteArray kRaiseAnswer = "ok\n";
constexpr qint64 kLongestRequest = 64;

// A lock file that cannot be read (a copy died between creating and filling it) is only taken
// over once it is older than this; a starting copy fills its lock file at once.
constexpr qint64 kUnreadableLockAgeMs = 5000;

// How often a running copy looks whether its lock file is still there.
constexpr int kLockWatchMs = 2000;

// Sockets live with the user's other session files where the session has such a folder.
QString SocketFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) return runtime;
    return QDir::tempPath();
}

QString RealPath(const QString& folder) {
    const QString real = QFileInfo(folder).canonicalFilePath();
    return real.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : real;
}

// The folder a file is in once every link is followed; empty when that folder does not exist.
QString RealFolderOf(const QString& file) {
    return QFileInfo(QFileInfo(file).absolutePath()).canonicalFilePath();
}

bool NamesThisProcess(const LockOwner& owner) {
    return owner.pid == QCoreApplication::applicationPid() && OwnerOnThisMachine(owner);
}

bool SameOwner(const LockOwner& a, const LockOwner& b) {
    return a.pid == b.pid && a.hostName == b.hostName && a.machineId == b.machineId;
}

QString BusyText(const std::optional<LockOwner>& owner) {
    if (owner && !OwnerOnThisMachine(*owner)) {
        return SingleInstanceText::tr(
                   "Another copy of the program, on the computer “%1” (process %2), is "
                   "using this folder.")
            .arg(owner->hostName)
            .arg(owner->pid);
    }
    if (owner) {
        return SingleInstanceText::tr(
                   "Another copy of the program (process %1) is using this folder and does not "
                   "answer.")
            .arg(owner->pid);
    }
    return SingleInstanceText::tr(
        "Another copy of the program is using this folder, or its files through links from "
        "another folder, and does not answer.");
}

}  // namespace

SingleInstance::SingleInstance(const QString& dataFolder, QObject* parent)
    : QObject(parent), m_folder(dataFolder), m_lockPath(lockFilePath(dataFolder)) {}

SingleInstance::~SingleInstance() {
    if (m_guarding) SetWriteGate({});
    if (m_server) m_server->close();
    // The lock file goes before the folder's lock: a copy let in never finds this one's file.
    letGo();
}

QString SingleInstance::lockFilePath(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QStringLiteral("hmquiz.lock"));
}

QString SingleInstance::serverName(const QString& dataFolder) {
    const QByteArray hash =
        QCryptographicHash::hash(RealPath(dataFolder).toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return QDir(SocketFolder())
        .filePath(QStringLiteral("hmquiz-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash)));
}

SingleInstance::Outcome SingleInstance::claim(int patienceMs) {
    const QDeadlineTimer deadline(patienceMs);
    for (;;) {
        switch (tryTake()) {
            case Attempt::Taken:
                listen();
                return Outcome::First;
            case Attempt::Foreign:
                qCWarning(lcApp).noquote() << m_problem;
                return Outcome::OtherComputer;
            case Attempt::Unusable:
                qCWarning(lcApp).noquote() << m_problem;
                return Outcome::Failed;
            case Attempt::Busy:
                break;
        }
        const qint64 left = deadline.remainingTime();
        if (askRunningCopy(int(qBound(qint64(200), left, qint64(2000)))))
            return Outcome::OtherRaised;
        if (deadline.hasExpired()) break;
        // The holder may be starting (not listening yet) or ending (lock not yet removed).
        QThread::msleep(100);
    }
    qCWarning(lcApp).noquote() << m_problem;
    return Outcome::OtherSilent;
}

SingleInstance::Outcome SingleInstance::takeOver() {
    const LockFileFound found = LookAtLockFile(m_lockPath);
    // Only the lock the learner was told about: one that changed meanwhile is looked at anew.
    const bool asTold = m_foreignOwner && found.owner && SameOwner(*found.owner, *m_foreignOwner);
    if (!m_folderLock || !asTold || LockFileIsHeld(m_lockPath) ||
        !RemoveStaleLockFile(m_lockPath)) {
        letGo();
        return claim(0);
    }
    qCWarning(lcApp) << "took over the lock file" << m_lockPath << "of process"
                     << m_foreignOwner->pid << "on" << m_foreignOwner->hostName
                     << "as the learner agreed";
    Attempt attempt = takeLockFile();
    if (attempt == Attempt::Taken) attempt = holdLinkedFolders(m_folder);
    if (attempt == Attempt::Taken) {
        listen();
        return Outcome::First;
    }
    letGo();
    qCWarning(lcApp).noquote() << m_problem;
    return attempt == Attempt::Unusable ? Outcome::Failed : Outcome::OtherSilent;
}

SingleInstance::Attempt SingleInstance::tryTake() {
    letGo();
    m_realFolder = RealPath(m_folder);
    m_folderLock = std::make_unique<FolderLock>(m_realFolder);
    if (m_folderLock->state() == FolderLock::State::HeldByOther) {
        m_problem = BusyText(LookAtLockFile(m_lockPath).owner);
        letGo();
        return Attempt::Busy;
    }
    Attempt attempt = takeLockFile();
    if (attempt == Attempt::Taken) attempt = holdLinkedFolders(m_folder);
    // While the learner is asked about another computer's lock, no copy of this one comes in.
    if (attempt != Attempt::Taken && attempt != Attempt::Foreign) letGo();
    return attempt;
}

SingleInstance::Attempt SingleInstance::takeLockFile() {
    // Something that comes or goes between two looks is looked at again, a few times.
    for (int look = 0; look < 5; ++look) {
        const LockFileFound found = LookAtLockFile(m_lockPath);
        switch (found.kind) {
            case LockFileFound::Kind::Missing:
                if (makeLockFile()) return Attempt::Taken;
                if (m_createError == EEXIST) continue;
                return Attempt::Unusable;
            case LockFileFound::Kind::DanglingLink:
                // No copy ever makes a link there, and a link to nothing holds nothing.
                qCWarning(lcApp).noquote()
                    << "removed the lock file" << m_lockPath << "," << found.what;
                if (!RemoveStaleLockFile(m_lockPath)) break;
                continue;
            case LockFileFound::Kind::NotALockFile:
                m_problem = SingleInstanceText::tr(
                                "Its lock file %1 is %2, not a lock file of this program. Move "
                                "it away or remove it, then start the program again.")
                                .arg(QDir::toNativeSeparators(m_lockPath), found.what);
                return Attempt::Unusable;
            case LockFileFound::Kind::Readable:
                if (!found.owner) {
                    if (found.ageMs > kUnreadableLockAgeMs && RemoveStaleLockFile(m_lockPath)) {
                        qCWarning(lcApp)
                            << "took over the lock file" << m_lockPath << "that could not be read";
                        continue;
                    }
                    break;
                }
                if (!OwnerOnThisMachine(*found.owner)) {
                    // Nothing here can tell whether a process on another computer still runs,
                    // unless the folder passes the file's own lock on and that copy holds it.
                    if (LockFileIsHeld(m_lockPath)) break;
                    m_foreignOwner = found.owner;
                    m_problem = SingleInstanceText::tr(
                                    "The program on the computer “%1” (process %2) was "
                                    "using this folder and may still be running there.")
                                    .arg(found.owner->hostName)
                                    .arg(found.owner->pid);
                    return Attempt::Foreign;
                }
                // A lock naming this very process was left by a crashed copy that had the same
                // id, unless another part of this process holds it (then the removal fails).
                if ((NamesThisProcess(*found.owner) || !OwnerMayBeRunning(*found.owner)) &&
                    RemoveStaleLockFile(m_lockPath)) {
                    qCWarning(lcApp) << "took over the lock file" << m_lockPath << "of process"
                                     << found.owner->pid;
                    continue;
                }
                break;
        }
        m_problem = BusyText(found.owner);
        return Attempt::Busy;
    }
    m_problem = BusyText(std::nullopt);
    return Attempt::Busy;
}

bool SingleInstance::alsoHold(const QStringList& folders) {
    const QMutexLocker locker(&m_mutex);
    for (const QString& folder : folders) {
        const QString real = RealPath(folder);
        if (real != m_realFolder && !real.startsWith(m_realFolder + QLatin1Char('/')) &&
            !holdsFolder(real)) {
            m_problem = SingleInstanceText::tr(
                            "The learner's folder %1 leads into the folder %2, which another copy "
                            "of the program is using.")
                            .arg(QDir::toNativeSeparators(folder), QDir::toNativeSeparators(real));
            return false;
        }
        if (holdLinkedFolders(folder) != Attempt::Taken) return false;
    }
    return true;
}

SingleInstance::Attempt SingleInstance::holdLinkedFolders(const QString& inFolder) {
    const QFileInfoList entries =
        QDir(inFolder).entryInfoList(QDir::Files | QDir::System | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        if (!entry.isSymLink()) continue;
        if (!IsResultsFileName(entry.fileName()) &&
            entry.fileName() != QFileInfo(MarkingJournalPath(inFolder)).fileName())
            continue;
        const QString folder = RealFolderOf(entry.symLinkTarget());
        if (folder.isEmpty() || folder == m_realFolder ||
            folder.startsWith(m_realFolder + QLatin1Char('/')) || holdsFolder(folder))
            continue;
        m_problem = SingleInstanceText::tr(
                        "Its results file %1 is a link into the folder %2, which another copy of "
                        "the program is using.")
                        .arg(entry.fileName(), QDir::toNativeSeparators(folder));
        return Attempt::Unusable;
    }
    return Attempt::Taken;
}

bool SingleInstance::makeLockFile() {
    m_createError = 0;
    m_lockFile.reset();
    m_lockFile = HeldLockFile::create(m_lockPath, &m_createError);
    if (m_lockFile) return true;
    if (m_createError != EEXIST) {
        m_problem = SingleInstanceText::tr("Its lock file %1 cannot be made: %2.")
                        .arg(QDir::toNativeSeparators(m_lockPath), qt_error_string(m_createError));
    }
    return false;
}

void SingleInstance::letGo() {
    m_lockFile.reset();
    m_linkedFolders.clear();
    m_folderLock.reset();
}

bool SingleInstance::holdsFolder(const QString& folder) {
    // A copy running in that folder names itself in its lock file there, whether or not the
    // folder itself can be locked.
    const LockFileFound found = LookAtLockFile(lockFilePath(folder));
    if (found.owner && !NamesThisProcess(*found.owner) &&
        (!OwnerOnThisMachine(*found.owner) || OwnerMayBeRunning(*found.owner)))
        return false;
    const std::string key = folder.toStdString();
    if (m_linkedFolders.count(key)) return true;
    auto lock = std::make_unique<FolderLock>(folder);
    if (lock->state() == FolderLock::State::HeldByOther) return false;
    if (lock->state() == FolderLock::State::Held) m_linkedFolders.emplace(key, std::move(lock));
    return true;
}

void SingleInstance::guardWrites() {
    m_guarding = true;
    SetWriteGate([this](const QString& target) { return mayWrite(target); });
}

bool SingleInstance::mayWrite(const QString& target) {
    const QString folder = RealFolderOf(target);
    const QMutexLocker locker(&m_mutex);
    // A folder that does not exist fails the write anyway.
    if (folder.isEmpty()) return true;
    if (folder == m_realFolder || folder.startsWith(m_realFolder + QLatin1Char('/')))
        return holdsOwnLock();
    if (holdsFolder(folder)) return true;
    qCWarning(lcApp) << target << "is in the folder" << folder
                     << "which another copy of the program is using; not written";
    return false;
}

bool SingleInstance::holdsOwnLock() {
    if (m_lockFile && m_lockFile->stillInPlace()) return true;
    const bool folderHeld = m_folderLock && m_folderLock->state() == FolderLock::State::Held;
    const LockFileFound found = LookAtLockFile(m_lockPath);
    QString trouble;
    bool holds = folderHeld;
    switch (found.kind) {
        case LockFileFound::Kind::DanglingLink:
            RemoveStaleLockFile(m_lockPath);
            [[fallthrough]];
        case LockFileFound::Kind::Missing:
            if (makeLockFile()) {
                qCWarning(lcApp) << "the lock file" << m_lockPath
                                 << "was removed while the program ran; it is made again";
                m_lockTrouble.clear();
                return true;
            }
            trouble = QStringLiteral("the lock file was removed and cannot be made again");
            break;
        case LockFileFound::Kind::Readable:
            if (found.owner && NamesThisProcess(*found.owner)) return true;
            if (found.owner) {
                // Only a copy that cannot lock folders could have come in: it may be writing.
                trouble = QStringLiteral("the lock file now names process %1 on %2")
                              .arg(found.owner->pid)
                              .arg(found.owner->hostName);
                holds = false;
                break;
            }
            trouble = QStringLiteral("the lock file was replaced by an unreadable file");
            break;
        case LockFileFound::Kind::NotALockFile:
            trouble = QStringLiteral("the lock file was replaced by ") + found.what;
            break;
    }
    // Said once per change, not at every look.
    if (trouble != m_lockTrouble) {
        m_lockTrouble = trouble;
        qCWarning(lcApp).noquote()
            << trouble
            << (holds ? "; the folder's own lock still keeps other copies away"
                      : "; results files are not written");
    }
    return holds;
}

bool SingleInstance::askRunningCopy(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(serverName(m_folder));
    if (!socket.waitForConnected(int(deadline.remainingTime()))) return false;
    socket.write(kRaiseRequest);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime()))) return false;
    QByteArray reply;
    while (!reply.endsWith('\n') && reply.size() < kLongestRequest) {
        if (!socket.bytesAvailable() && !socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
        reply += socket.readAll();
    }
    return reply == kRaiseAnswer;
}

void SingleInstance::listen() {
    if (!m_lockWatch) {
        // A lock file removed while the program runs is made again, so that copies which only
        // know the file see the folder is taken.
        m_lockWatch = new QTimer(this);
        m_lockWatch->setInterval(kLockWatchMs);
        connect(m_lockWatch, &QTimer::timeout, this, [this] {
            const QMutexLocker locker(&m_mutex);
            holdsOwnLock();
        });
        m_lockWatch->start();
    }
    const QString name = serverName(m_folder);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // The folder is ours, so a socket of that name was left by a copy that died.
    QLocalServer::removeServer(name);
    if (!m_server->listen(name)) {
        // Not fatal: the lock still keeps a second copy away, it just cannot raise this one.
        qCWarning(lcApp) << "cannot listen on" << name << ":" << m_server->errorString();
        m_server.reset();
        return;
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
            answer(socket);
        }
    });
}

void SingleInstance::answer(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kLongestRequest) socket->abort();
        return;
    }
    const QByteArray request = socket->readLine(kLongestRequest);
    if (request != kRaiseRequest) {
        socket->abort();
        return;
    }
    socket->write(kRaiseAnswer);
    socket->flush();
    emit activationRequested();
}

void BringToFront(QWidget* window) {
    if (!window) return;
    // Not showNormal(): a maximised window stays maximised, only a minimised one comes back.
    if (window->windowState() & Qt::WindowMinimized)
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}
