#include "app/single_instance.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

#include "app/app_log.h"

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

// Sockets live with the user's other session files where the session has such a folder.
QString SocketFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) return runtime;
    return QDir::tempPath();
}

}  // namespace

SingleInstance::SingleInstance(const QString& dataFolder, QObject* parent)
    : QObject(parent), m_folder(dataFolder), m_lock(lockFilePath(dataFolder)) {
    // A copy may run for hours: only a dead owner makes the lock stale, never its age.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    if (m_server) m_server->close();
}

QString SingleInstance::lockFilePath(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QStringLiteral("hmquiz.lock"));
}

QString SingleInstance::serverName(const QString& dataFolder) {
    QString folder = QFileInfo(dataFolder).canonicalFilePath();
    if (folder.isEmpty()) folder = QDir::cleanPath(QDir(dataFolder).absolutePath());
    const QByteArray hash =
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return QDir(SocketFolder())
        .filePath(QStringLiteral("hmquiz-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash)));
}

SingleInstance::Outcome SingleInstance::claim(int patienceMs) {
    const QDeadlineTimer deadline(patienceMs);
    for (;;) {
        if (tryLock()) {
            listen();
            return Outcome::First;
        }
        if (m_lock.error() != QLockFile::LockFailedError) {
            m_problem = SingleInstanceText::tr("Its lock file %1 cannot be made.")
                            .arg(QDir::toNativeSeparators(m_lock.fileName()));
            qCWarning(lcApp) << "cannot create the lock file" << m_lock.fileName() << "error"
                             << m_lock.error();
            return Outcome::Failed;
        }
        const qint64 left = deadline.remainingTime();
        if (askRunningCopy(int(qBound(qint64(200), left, qint64(2000)))))
            return Outcome::OtherRaised;
        if (deadline.hasExpired()) break;
        // The holder may be starting (not listening yet) or ending (lock not yet removed).
        QThread::msleep(100);
    }
    qint64 pid = 0;
    QString host, app;
    m_lock.getLockInfo(&pid, &host, &app);
    m_problem = SingleInstanceText::tr(
                    "Another copy of the program (process %1) is using this folder "
                    "and does not answer.")
                    .arg(pid);
    qCWarning(lcApp) << "the copy holding" << m_lock.fileName() << "(process" << pid
                     << ") does not answer";
    return Outcome::OtherSilent;
}

bool SingleInstance::tryLock() {
    if (m_lock.tryLock(0)) return true;
    if (m_lock.error() != QLockFile::LockFailedError) return false;
    // QLockFile takes over a lock whose owner is gone, but keeps one it cannot read at all, and
    // one naming this very process (a crashed copy had the same id): that owner is alive.
    qint64 pid = 0;
    QString host, app;
    const QFileInfo info(m_lock.fileName());
    const bool readable = m_lock.getLockInfo(&pid, &host, &app);
    const bool unreadableAndOld =
        !readable && info.exists() &&
        info.lastModified().msecsTo(QDateTime::currentDateTime()) > kUnreadableLockAgeMs;
    const bool namesThisProcess = readable && pid == QCoreApplication::applicationPid();
    if (unreadableAndOld || namesThisProcess) {
        // Removal fails while any holder, this process included, still has the file locked.
        if (m_lock.removeStaleLockFile()) {
            qCWarning(lcApp) << "took over the lock file" << m_lock.fileName()
                             << (readable ? "that named this process" : "that could not be read");
            return m_lock.tryLock(0);
        }
    }
    return false;
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
    const QString name = serverName(m_folder);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // The lock is ours, so a socket of that name was left by a copy that died.
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
