// A marking's files are written all or none, whenever the run ends.
#include "results/marking_journal.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>

#include "records/file_bytes.h"
#include "records/file_io.h"
#include "results/leftovers.h"

namespace {

// Stands in for the end of the process: thrown from the commit hook at the chosen point.
struct Killed {};
int g_eventsLeft = 0;
void KillAtEvent(CommitPoint, const QString&) {
    if (--g_eventsLeft == 0) throw Killed{};
}

QString g_blockPath;
void BlockAfterFirstTarget(CommitPoint point, const QString& path) {
    if (point == CommitPoint::AfterRename && path.endsWith("fresults2HM.txt")) {
        QFile::remove(g_blockPath);
        QDir().mkdir(g_blockPath);
    }
}

class MarkingJournalTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = dir_.path();
        const char* names[] = {"first2HM.txt", "fresults2HM.txt", "marks2HM.txt", "trend2HM.txt"};
        for (const char* name : names) {
            const QString path = dir_.filePath(name);
            WriteBytes(path, QByteArray("old ") + name);
            writes_.append({path, QByteArray("new ") + name + "\r\n"});
        }
    }
    void TearDown() override { SetCommitHookForTesting(nullptr); }

    QList<QByteArray> Files() const {
        QList<QByteArray> bytes;
        for (const FileWrite& write : writes_) bytes.append(ReadBytes(write.path));
        return bytes;
    }
    QList<QByteArray> Olds() const {
        QList<QByteArray> bytes;
        for (const FileWrite& write : writes_)
            bytes.append("old " + QFileInfo(write.path).fileName().toLatin1());
        return bytes;
    }
    QList<QByteArray> News() const {
        QList<QByteArray> bytes;
        for (const FileWrite& write : writes_) bytes.append(write.bytes);
        return bytes;
    }
    QStringList Names() const { return QDir(folder_).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir_;
    QString folder_;
    QList<FileWrite> writes_;
};

TEST_F(MarkingJournalTest, AnEndAtAnyPointLeavesAllFilesOldOrAllNewOnceRecovered) {
    // Each atomic write passes two points (before and after its rename): the journal's, then
    // the four files'.
    const int events = 2 * (1 + static_cast<int>(writes_.size()));
    for (int k = 1; k <= events + 1; ++k) {
        for (const FileWrite& write : writes_)
            WriteBytes(write.path, "old " + QFileInfo(write.path).fileName().toLatin1());
        g_eventsLeft = k;
        SetCommitHookForTesting(KillAtEvent);
        bool killed = false;
        try {
            EXPECT_TRUE(WriteAllOrNothing(folder_, writes_).ok());
        } catch (const Killed&) {
            killed = true;
        }
        SetCommitHookForTesting(nullptr);
        EXPECT_EQ(killed, k <= events) << k;

        const RecoveryReport report = RecoverInterruptedMarking(folder_);
        RemoveLeftovers(folder_);
        // Once the journal's rename is done the change is decided: the next start finishes it.
        EXPECT_EQ(Files(), k == 1 ? Olds() : News()) << k;
        EXPECT_EQ(report.outcome,
                  k == 1 || k > events ? RecoveryOutcome::NothingToDo : RecoveryOutcome::Finished)
            << k;
        EXPECT_EQ(Names().size(), writes_.size()) << k;
    }
}

TEST_F(MarkingJournalTest, AFailedWriteIsUndoneAndRefusedTargetsStopItBeforeAnyWrite) {
    g_blockPath = writes_[2].path;
    SetCommitHookForTesting(BlockAfterFirstTarget);
    const AllOrNothingResult result = WriteAllOrNothing(folder_, writes_);
    SetCommitHookForTesting(nullptr);
    EXPECT_EQ(result.failedIndex, 2);
    EXPECT_TRUE(result.filesAsBefore);
    EXPECT_EQ(ReadBytes(writes_[0].path), Olds()[0]);
    EXPECT_EQ(ReadBytes(writes_[1].path), Olds()[1]);
    EXPECT_FALSE(QFile::exists(MarkingJournalPath(folder_)));
    ASSERT_TRUE(QDir(writes_[2].path).removeRecursively());
    WriteBytes(writes_[2].path, Olds()[2]);

    // A FIFO in a file's place, a file elsewhere, a file that is no results file.
    QList<FileWrite> fifo = writes_;
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir_.filePath("sresults2HM.txt")).constData(), 0644), 0);
    fifo[1].path = dir_.filePath("sresults2HM.txt");
    EXPECT_EQ(WriteAllOrNothing(folder_, fifo).failedIndex, 1);
    QTemporaryDir elsewhere;
    QList<FileWrite> outside = writes_;
    outside[3].path = elsewhere.filePath("trend2HM.txt");
    EXPECT_EQ(WriteAllOrNothing(folder_, outside).failedIndex, 3);
    QList<FileWrite> foreign = writes_;
    foreign[0].path = dir_.filePath("notes.txt");
    EXPECT_EQ(WriteAllOrNothing(folder_, foreign).failedIndex, 0);
    EXPECT_EQ(Files(), Olds());
    EXPECT_FALSE(QFile::exists(MarkingJournalPath(folder_)));
    EXPECT_FALSE(QFile::exists(elsewhere.filePath("trend2HM.txt")));
    EXPECT_FALSE(QFile::exists(dir_.filePath("notes.txt")));

    ASSERT_TRUE(WriteAllOrNothing(folder_, writes_).ok());
    EXPECT_EQ(Files(), News());
}

TEST_F(MarkingJournalTest, ADamagedStaleOrForeignJournalIsDiscardedWithoutWriting) {
    EXPECT_EQ(RecoverInterruptedMarking(folder_).outcome, RecoveryOutcome::NothingToDo);
    auto leaveJournal = [this] {
        for (const FileWrite& write : writes_)
            WriteBytes(write.path, "old " + QFileInfo(write.path).fileName().toLatin1());
        g_eventsLeft = 3;  // the journal is in place, no file written yet
        SetCommitHookForTesting(KillAtEvent);
        EXPECT_THROW(WriteAllOrNothing(folder_, writes_), Killed);
        SetCommitHookForTesting(nullptr);
        RemoveLeftovers(folder_);
        return ReadBytes(MarkingJournalPath(folder_));
    };

    // A later save changed one of the files: replaying would undo it.
    leaveJournal();
    WriteBytes(writes_[0].path, "answers saved later");
    EXPECT_EQ(RecoverInterruptedMarking(folder_).outcome, RecoveryOutcome::Discarded);
    EXPECT_EQ(ReadBytes(writes_[0].path), "answers saved later");
    EXPECT_EQ(ReadBytes(writes_[1].path), Olds()[1]);

    // One byte changed anywhere.
    QByteArray journal = leaveJournal();
    journal[journal.size() / 2] = journal[journal.size() / 2] ^ 1;
    WriteBytes(MarkingJournalPath(folder_), journal);
    EXPECT_EQ(RecoverInterruptedMarking(folder_).outcome, RecoveryOutcome::Discarded);
    EXPECT_EQ(Files(), Olds());

    // A journal whose digest holds but which names a file outside the results files.
    for (const QByteArray& name : {QByteArray("../evil.txt"), QByteArray("notes.txt"),
                                   QByteArray("marks2%2F..%2F..%2Fevil.txt")}) {
        QByteArray body = "HMJOURNAL 1\nFILE " + name + " - 4\nevil\n";
        body += "END " + QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() + '\n';
        WriteBytes(MarkingJournalPath(folder_), body);
        EXPECT_EQ(RecoverInterruptedMarking(folder_).outcome, RecoveryOutcome::Discarded);
        EXPECT_FALSE(QFile::exists(dir_.filePath(QString::fromLatin1(name))));
    }
    EXPECT_FALSE(QFile::exists(MarkingJournalPath(folder_)));

    // A file that cannot be written (a size limit stands in for a full disk, for root too)
    // keeps the journal for the next start.
    leaveJournal();
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const RecoveryReport full = RecoverInterruptedMarking(folder_);
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(full.outcome, RecoveryOutcome::Failed);
    EXPECT_TRUE(DescribeFailedRecovery(full).contains(
        "first2HM.txt cannot be written: it would grow larger than the system allows"))
        << qPrintable(DescribeFailedRecovery(full));
    const QByteArray unfinished = ReadBytes(MarkingJournalPath(folder_));
    // No later change writes over it or makes it out of date.
    QList<FileWrite> later = writes_;
    for (FileWrite& write : later) write.bytes = "later";
    const AllOrNothingResult refused = WriteAllOrNothing(folder_, later);
    EXPECT_TRUE(refused.earlierChangePending);
    EXPECT_TRUE(DescribeChangeFailure(refused).contains("not finished yet"));
    EXPECT_EQ(ReadBytes(MarkingJournalPath(folder_)), unfinished);
    EXPECT_EQ(Files(), Olds());
    const RecoveryReport report = RecoverInterruptedMarking(folder_);
    EXPECT_EQ(report.outcome, RecoveryOutcome::Finished);
    EXPECT_EQ(report.written.size(), writes_.size());
    EXPECT_EQ(Files(), News());

    // A journal whose files all hold their new bytes (only its removal was missed) is no
    // obstacle: the next change removes it and goes ahead.
    WriteBytes(MarkingJournalPath(folder_), unfinished);
    EXPECT_TRUE(WriteAllOrNothing(folder_, later).ok());
    EXPECT_EQ(ReadBytes(writes_[0].path), "later");
    EXPECT_FALSE(QFile::exists(MarkingJournalPath(folder_)));
}

}  // namespace
