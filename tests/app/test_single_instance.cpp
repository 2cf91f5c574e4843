// One copy per data folder: the lock, the request to come forward, and locks left by copies
// that crashed or are stuck.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <atomic>
#include <thread>

#include "app/single_instance.h"

namespace {

// A lock file as QLockFile writes it, for a process that is not this one.
void WriteLockFile(const QString& folder, qint64 pid, const QString& processName) {
    QFile file(SingleInstance::lockFilePath(folder));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(pid) + '\n' + processName.toUtf8() + '\n' +
               QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n' +
               QSysInfo::bootUniqueId() + '\n');
}

QByteArray LockFileBytes(const QString& folder) {
    QFile file(SingleInstance::lockFilePath(folder));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

qint64 LockOwner(const QString& folder) {
    return LockFileBytes(folder).split('\n').value(0).toLongLong();
}

// Claims `folder` from another thread, as a second start would, while this thread keeps the
// first copy's event loop running.
SingleInstance::Outcome ClaimFromAnotherThread(const QString& folder, int patienceMs) {
    std::atomic<bool> done = false;
    SingleInstance::Outcome outcome = SingleInstance::Outcome::Failed;
    std::thread second([&] {
        SingleInstance later(folder);
        outcome = later.claim(patienceMs);
        done = true;
    });
    const bool finished = QTest::qWaitFor([&] { return done.load(); }, patienceMs + 5000);
    second.join();
    EXPECT_TRUE(finished);
    return outcome;
}

}  // namespace

TEST(SingleInstance, ALaterStartAsksTheFirstCopyToComeForward) {
    QTemporaryDir root;
    const QString folder = root.path();
    {
        SingleInstance first(folder);
        ASSERT_EQ(first.claim(), SingleInstance::Outcome::First);
        EXPECT_EQ(LockOwner(folder), QCoreApplication::applicationPid());
        QSignalSpy asked(&first, &SingleInstance::activationRequested);

        // The same folder, spelled another way.
        EXPECT_EQ(ClaimFromAnotherThread(folder + QStringLiteral("/./"), 5000),
                  SingleInstance::Outcome::OtherRaised);
        EXPECT_TRUE(asked.count() == 1 || asked.wait(2000));
        EXPECT_EQ(asked.count(), 1);
        // The first copy keeps its lock.
        EXPECT_EQ(LockOwner(folder), QCoreApplication::applicationPid());

        EXPECT_EQ(ClaimFromAnotherThread(folder, 5000), SingleInstance::Outcome::OtherRaised);
        EXPECT_TRUE(asked.count() == 2 || asked.wait(2000));
    }
    // Ending the first copy frees the folder.
    EXPECT_FALSE(QFileInfo::exists(SingleInstance::lockFilePath(folder)));
    SingleInstance next(folder);
    EXPECT_EQ(next.claim(), SingleInstance::Outcome::First);
}

TEST(SingleInstance, FoldersAreKeptApart) {
    QTemporaryDir root;
    const QString a = root.filePath(QStringLiteral("a"));
    const QString b = root.filePath(QStringLiteral("b"));
    QDir().mkpath(a);
    QDir().mkpath(b);
    SingleInstance first(a);
    SingleInstance other(b);
    EXPECT_EQ(first.claim(), SingleInstance::Outcome::First);
    EXPECT_EQ(other.claim(), SingleInstance::Outcome::First);
    EXPECT_NE(SingleInstance::serverName(a), SingleInstance::serverName(b));
    EXPECT_EQ(SingleInstance::serverName(a), SingleInstance::serverName(a + QStringLiteral("/")));
    EXPECT_EQ(SingleInstance::serverName(a),
              SingleInstance::serverName(b + QStringLiteral("/../a")));
}

TEST(SingleInstance, ALockLeftByACopyThatCrashedIsTakenOver) {
    QTemporaryDir root;
    const QString folder = root.path();

    // A process that has ended: its id no longer runs anything of that name.
    QProcess ended;
    ended.start(QStringLiteral("true"));
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 deadPid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    WriteLockFile(folder, deadPid, QStringLiteral("hmquiz"));
    {
        SingleInstance next(folder);
        EXPECT_EQ(next.claim(1000), SingleInstance::Outcome::First);
        EXPECT_EQ(LockOwner(folder), QCoreApplication::applicationPid());
    }

    // A crashed copy that had the same process id as this one.
    WriteLockFile(folder, QCoreApplication::applicationPid(),
                  QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    {
        SingleInstance next(folder);
        EXPECT_EQ(next.claim(1000), SingleInstance::Outcome::First);
        // ... while a live holder in this same process keeps its lock.
        SingleInstance again(folder);
        EXPECT_EQ(again.claim(300), SingleInstance::Outcome::OtherSilent);
    }

    // A lock file its copy never filled: taken over once it is clearly old...
    QFile empty(SingleInstance::lockFilePath(folder));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    ASSERT_TRUE(empty.open(QIODevice::ReadWrite));
    empty.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
    empty.close();
    {
        SingleInstance next(folder);
        EXPECT_EQ(next.claim(1000), SingleInstance::Outcome::First);
        EXPECT_EQ(LockOwner(folder), QCoreApplication::applicationPid());
    }

    // ... but not while it may belong to a copy that is just starting.
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    SingleInstance early(folder);
    EXPECT_EQ(early.claim(300), SingleInstance::Outcome::OtherSilent);
    EXPECT_TRUE(LockFileBytes(folder).isEmpty());
}

TEST(SingleInstance, ALiveHolderThatDoesNotAnswerIsReported) {
    QTemporaryDir root;
    const QString folder = root.path();
    QProcess holder;
    holder.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(holder.waitForStarted());
    WriteLockFile(folder, holder.processId(), QStringLiteral("sleep"));
    const QByteArray before = LockFileBytes(folder);

    SingleInstance later(folder);
    EXPECT_EQ(later.claim(500), SingleInstance::Outcome::OtherSilent);
    EXPECT_TRUE(later.problem().contains(QString::number(holder.processId())))
        << later.problem().toStdString();
    EXPECT_EQ(LockFileBytes(folder), before);
    holder.kill();
    holder.waitForFinished();
}

TEST(SingleInstance, AFolderWithoutRoomForTheLockFails) {
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("missing"));
    SingleInstance copy(folder);
    EXPECT_EQ(copy.claim(200), SingleInstance::Outcome::Failed);
    EXPECT_TRUE(copy.problem().contains(SingleInstance::lockFilePath(folder)));
}

TEST(BringToFront, AMinimisedWindowComesBackAndAMaximisedOneStaysMaximised) {
    QWidget minimised;
    minimised.showMinimized();
    BringToFront(&minimised);
    EXPECT_TRUE(minimised.isVisible());
    EXPECT_FALSE(minimised.windowState() & Qt::WindowMinimized);

    QWidget maximised;
    maximised.showMaximized();
    maximised.setWindowState(maximised.windowState() | Qt::WindowMinimized);
    BringToFront(&maximised);
    EXPECT_FALSE(maximised.windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(maximised.windowState() & Qt::WindowMaximized);

    QWidget hidden;
    BringToFront(&hidden);
    EXPECT_TRUE(hidden.isVisible());
    BringToFront(nullptr);
}
