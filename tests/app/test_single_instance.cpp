// One copy per data folder: the lock, the request to come forward, locks left by copies that
// crashed or are stuck, by copies on other computers, and things that are no lock at all.
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>

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
#include <cstdio>
#include <cstdlib>
#include <functional>
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

qint64 LockOwnerPid(const QString& folder) {
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

struct Refusal {
    SingleInstance::Outcome outcome = SingleInstance::Outcome::First;
    QString problem;
};

// A claim of `folder` that is expected to fail, made on another thread: one still going after
// 10 s is a hang, and ends the test program rather than leaving the whole test run waiting.
Refusal ClaimOrGiveUp(const QString& folder, int patienceMs) {
    std::atomic<bool> done = false;
    Refusal refusal;
    std::thread claiming([&] {
        SingleInstance copy(folder);
        refusal.outcome = copy.claim(patienceMs);
        refusal.problem = copy.problem();
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done.load(); }, patienceMs + 10000)) {
        std::fprintf(stderr, "FAIL: a claim blocks\n");
        std::_Exit(1);
    }
    claiming.join();
    return refusal;
}

// A lock file written by a copy on another computer, with its own host name and machine id.
void WriteForeignLockFile(const QString& folder, qint64 pid) {
    QFile file(SingleInstance::lockFilePath(folder));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(pid) +
               "\nhmquiz\nfar-away-laptop\n"
               "0123456789abcdef0123456789abcdef\n01234567-89ab-cdef-0123-456789abcdef\n");
}

}  // namespace

TEST(SingleInstance, ALaterStartAsksTheFirstCopyToComeForward) {
    QTemporaryDir root;
    const QString folder = root.path();
    {
        SingleInstance first(folder);
        ASSERT_EQ(first.claim(), SingleInstance::Outcome::First);
        EXPECT_EQ(LockOwnerPid(folder), QCoreApplication::applicationPid());
        QSignalSpy asked(&first, &SingleInstance::activationRequested);

        // The same folder, spelled another way.
        EXPECT_EQ(ClaimFromAnotherThread(folder + QStringLiteral("/./"), 5000),
                  SingleInstance::Outcome::OtherRaised);
        EXPECT_TRUE(asked.count() == 1 || asked.wait(2000));
        EXPECT_EQ(asked.count(), 1);
        // The first copy keeps its lock.
        EXPECT_EQ(LockOwnerPid(folder), QCoreApplication::applicationPid());

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
        EXPECT_EQ(LockOwnerPid(folder), QCoreApplication::applicationPid());
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
        EXPECT_EQ(LockOwnerPid(folder), QCoreApplication::applicationPid());
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

TEST(SingleInstance, WhatIsNoLockFileIsRefusedByNameWithoutBlockingOrSpinning) {
    QTemporaryDir root;
    const QString folder = root.path();
    const QString lock = SingleInstance::lockFilePath(folder);
    const QByteArray native = QFile::encodeName(lock);
    struct Case {
        const char* what;
        std::function<bool()> make;
    };
    const QList<Case> cases = {
        {"a named pipe", [&] { return ::mkfifo(native.constData(), 0644) == 0; }},
        {"a folder", [&] { return QDir().mkdir(lock); }},
        // Read whole, this one would never end and never stop growing.
        {"a link to /dev/zero, which is a device", [&] { return QFile::link("/dev/zero", lock); }},
        {"a link to /dev/null, which is a device", [&] { return QFile::link("/dev/null", lock); }},
        {"a file of 1048576 bytes",
         [&] {
             QFile big(lock);
             return big.open(QIODevice::WriteOnly) && big.write(QByteArray(1 << 20, '1')) > 0;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(c.make());
        struct stat before {};
        ASSERT_EQ(::lstat(native.constData(), &before), 0);
        const Refusal refusal = ClaimOrGiveUp(folder, 300);
        EXPECT_EQ(refusal.outcome, SingleInstance::Outcome::Failed);
        EXPECT_TRUE(refusal.problem.contains(c.what)) << refusal.problem.toStdString();
        EXPECT_TRUE(refusal.problem.contains(lock)) << refusal.problem.toStdString();
        // Left exactly where it was, for the learner to look at.
        struct stat after {};
        ASSERT_EQ(::lstat(native.constData(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mode, before.st_mode);
        if (QFileInfo(lock).isDir() && !QFileInfo(lock).isSymLink())
            QDir().rmdir(lock);
        else
            QFile::remove(lock);
    }

    // A link to nothing holds nothing: it goes, and nothing is made where it pointed.
    const QString nowhere = root.filePath("nowhere/hmquiz.lock");
    ASSERT_TRUE(QFile::link(nowhere, lock));
    SingleInstance copy(folder);
    EXPECT_EQ(copy.claim(300), SingleInstance::Outcome::First);
    EXPECT_FALSE(QFileInfo(lock).isSymLink());
    EXPECT_EQ(LockOwnerPid(folder), QCoreApplication::applicationPid());
    EXPECT_FALSE(QFileInfo::exists(root.filePath("nowhere")));
}

TEST(SingleInstance, ALockFromAnotherComputerIsTakenOverOnlyWhenTheLearnerAgrees) {
    QTemporaryDir root;
    const QString folder = root.path();
    WriteForeignLockFile(folder, 4242);
    const QByteArray before = LockFileBytes(folder);
    const Refusal asked = ClaimOrGiveUp(folder, 300);
    EXPECT_EQ(asked.outcome, SingleInstance::Outcome::OtherComputer);
    EXPECT_TRUE(asked.problem.contains("far-away-laptop")) << asked.problem.toStdString();
    EXPECT_TRUE(asked.problem.contains("4242"));
    // Not agreed: the other computer's lock stays as it was.
    EXPECT_EQ(LockFileBytes(folder), before);

    // While the copy there holds its lock file (a network folder passes such locks on), it is
    // running: nothing to ask.
    {
        QFile held(SingleInstance::lockFilePath(folder));
        ASSERT_TRUE(held.open(QIODevice::ReadWrite));
        ASSERT_EQ(::flock(held.handle(), LOCK_EX | LOCK_NB), 0);
        const Refusal running = ClaimOrGiveUp(folder, 300);
        EXPECT_EQ(running.outcome, SingleInstance::Outcome::OtherSilent);
        EXPECT_TRUE(running.problem.contains("far-away-laptop")) << running.problem.toStdString();
    }
    EXPECT_EQ(LockFileBytes(folder), before);

    SingleInstance copy(folder);
    ASSERT_EQ(copy.claim(300), SingleInstance::Outcome::OtherComputer);
    // Until the learner answers, no copy of this computer comes in either.
    EXPECT_EQ(ClaimOrGiveUp(folder, 300).outcome, SingleInstance::Outcome::OtherSilent);
    EXPECT_EQ(copy.takeOver(), SingleInstance::Outcome::First);
    EXPECT_EQ(LockOwnerPid(folder), QCoreApplication::applicationPid());
    EXPECT_TRUE(LockFileBytes(folder).contains(QSysInfo::machineHostName().toUtf8()));
}

TEST(SingleInstance, ARunningCopyKeepsItsFolderWhenItsLockFileIsRemovedOrReplaced) {
    QTemporaryDir root;
    const QString folder = root.path();
    const QString lock = SingleInstance::lockFilePath(folder);
    const QString marks = QDir(folder).filePath("marks2HM.txt");
    SingleInstance first(folder);
    ASSERT_EQ(first.claim(), SingleInstance::Outcome::First);
    QSignalSpy asked(&first, &SingleInstance::activationRequested);

    // Removed: a later start still finds the folder taken and brings the first copy forward.
    ASSERT_TRUE(QFile::remove(lock));
    EXPECT_EQ(ClaimFromAnotherThread(folder, 5000), SingleInstance::Outcome::OtherRaised);
    EXPECT_TRUE(asked.count() == 1 || asked.wait(2000));
    // The first copy makes the file again, at the latest before it writes.
    EXPECT_TRUE(first.mayWrite(marks));
    EXPECT_EQ(LockOwnerPid(folder), QCoreApplication::applicationPid());

    // Replaced by something that is no lock: the folder's own lock still keeps others away.
    ASSERT_TRUE(QFile::remove(lock));
    ASSERT_EQ(::mkfifo(QFile::encodeName(lock).constData(), 0644), 0);
    EXPECT_TRUE(first.mayWrite(marks));
    EXPECT_EQ(ClaimFromAnotherThread(folder, 5000), SingleInstance::Outcome::OtherRaised);
    ASSERT_TRUE(QFile::remove(lock));

    // Replaced by the lock of a copy that is running (one that cannot lock folders got in):
    // the first copy no longer writes.
    QProcess holder;
    holder.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(holder.waitForStarted());
    WriteLockFile(folder, holder.processId(), QStringLiteral("sleep"));
    EXPECT_FALSE(first.mayWrite(marks));
    holder.kill();
    holder.waitForFinished();
}

TEST(SingleInstance, ResultsFilesLinkedIntoAFolderInUseAreNotWritten) {
    QTemporaryDir root;
    const QString a = root.filePath("a");
    const QString b = root.filePath("b");
    QDir().mkpath(a);
    QDir().mkpath(b);
    const QString shared = QDir(a).filePath("trend2HM.txt");
    {
        QFile file(shared);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    auto inA = std::make_unique<SingleInstance>(a);
    ASSERT_EQ(inA->claim(), SingleInstance::Outcome::First);

    // A link made at start: the copy on the linked folder does not start.
    ASSERT_TRUE(QFile::link(shared, QDir(b).filePath("trend2HM.txt")));
    {
        SingleInstance inB(b);
        EXPECT_EQ(inB.claim(300), SingleInstance::Outcome::Failed);
        EXPECT_TRUE(inB.problem().contains("trend2HM.txt")) << inB.problem().toStdString();
        EXPECT_TRUE(inB.problem().contains(QFileInfo(a).canonicalFilePath()));
    }
    // Links to anything but results files bind nothing.
    ASSERT_TRUE(QFile::remove(QDir(b).filePath("trend2HM.txt")));
    ASSERT_TRUE(QFile::link(shared, QDir(b).filePath("notes.txt")));

    // A link made while the copy runs: its writes there are refused while the other folder's copy
    // runs, and once it has ended that folder is held for this copy.
    SingleInstance inB(b);
    ASSERT_EQ(inB.claim(300), SingleInstance::Outcome::First);
    ASSERT_TRUE(QFile::link(shared, QDir(b).filePath("marks2HM.txt")));
    EXPECT_FALSE(inB.mayWrite(QFileInfo(shared).canonicalFilePath()));
    EXPECT_TRUE(inB.mayWrite(QDir(b).filePath("first2HM.txt")));
    inA.reset();
    EXPECT_TRUE(inB.mayWrite(QFileInfo(shared).canonicalFilePath()));
    SingleInstance againInA(a);
    EXPECT_EQ(againInA.claim(300), SingleInstance::Outcome::OtherSilent);
    EXPECT_FALSE(againInA.problem().contains("process 0"));
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
