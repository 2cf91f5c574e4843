// A marking or an erase ended by a kill at every point between its writes: after the start-up
// recovery every file is as before, or every file is written (the paper marked, or every result
// erased).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "records/file_bytes.h"
#include "results/leftovers.h"
#include "results/marking_journal.h"

namespace {

struct DriverRun {
    QProcess::ExitStatus status = QProcess::NormalExit;
    int code = -1;
    QByteArray output;
};

DriverRun Driver(const QString& folder, int take, const QString& action, int killAt = 0) {
    QProcess process;
    QStringList args = {folder, QString::number(take), action};
    if (killAt > 0) args += QString::number(killAt);
    process.start(QStringLiteral(HM_MARKING_DRIVER), args);
    process.waitForFinished(60000);
    return {process.exitStatus(), process.exitCode(), process.readAllStandardOutput()};
}

// The folder's files by name (the content of the results files is what matters).
QMap<QString, QByteArray> Snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        files[name] = ReadBytes(dir.filePath(name));
    return files;
}

void Restore(const QString& folder, const QMap<QString, QByteArray>& files) {
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(QDir(folder).filePath(name));
    for (auto it = files.begin(); it != files.end(); ++it)
        WriteBytes(QDir(folder).filePath(it.key()), it.value());
}

int PointsOf(const DriverRun& run) {
    return run.output.split('\n').value(0).trimmed().split(' ').value(1).toInt();
}

// Kills `action` at each of its commit points, each time from `before`; after the start's
// recovery the folder must be as before or as after. Returns how many ended as before.
int KillAtEveryPoint(const QString& folder, int take, const QString& action, int points,
                     const QMap<QString, QByteArray>& before,
                     const QMap<QString, QByteArray>& after) {
    int unchanged = 0;
    for (int k = 1; k <= points; ++k) {
        Restore(folder, before);
        const DriverRun killed = Driver(folder, take, action, k);
        EXPECT_EQ(killed.status, QProcess::CrashExit) << action.toStdString() << " point " << k;
        RecoverInterruptedMarking(folder);
        RemoveLeftovers(folder);
        const QMap<QString, QByteArray> now = Snapshot(folder);
        if (now == before) ++unchanged;
        EXPECT_TRUE(now == before || now == after)
            << action.toStdString() << " take " << take << " point " << k;
    }
    return unchanged;
}

TEST(MarkingKills, EveryKillDuringAFirstOrSecondMarkingEndsAsBeforeOrFullyMarked) {
    for (int take : {1, 2}) {
        QTemporaryDir dir;
        const QString folder = dir.path();
        ASSERT_EQ(Driver(folder, 1, "prepare").code, 0);
        if (take == 2) {
            ASSERT_EQ(Driver(folder, 1, "mark").code, 0);
            ASSERT_EQ(Driver(folder, 2, "prepare").code, 0);
        }
        const QMap<QString, QByteArray> before = Snapshot(folder);
        ASSERT_EQ(before.size(), 6);

        const DriverRun clean = Driver(folder, take, "mark");
        ASSERT_EQ(clean.code, 0) << clean.output.constData();
        const int points = PointsOf(clean);
        // The journal and three or four files, each before and after its rename.
        EXPECT_EQ(points, take == 1 ? 10 : 8);
        const QMap<QString, QByteArray> after = Snapshot(folder);
        ASSERT_EQ(after.keys(), before.keys());
        ASSERT_NE(after, before);

        // Killed before the journal's rename: as before; from then on: marked.
        EXPECT_EQ(KillAtEveryPoint(folder, take, "mark", points, before, after), 1)
            << "take " << take;
    }
}

TEST(MarkingKills, EveryKillDuringAnEraseEndsWithAllResultsKeptOrAllErased) {
    QTemporaryDir dir;
    const QString folder = dir.path();
    ASSERT_EQ(Driver(folder, 1, "prepare").code, 0);
    ASSERT_EQ(Driver(folder, 1, "mark").code, 0);
    ASSERT_EQ(Driver(folder, 2, "prepare").code, 0);
    const QMap<QString, QByteArray> before = Snapshot(folder);
    ASSERT_EQ(before.size(), 6);

    const DriverRun clean = Driver(folder, 1, "erase");
    ASSERT_EQ(clean.code, 0) << clean.output.constData();
    const int points = PointsOf(clean);
    // The journal and all six files, each before and after its rename.
    EXPECT_EQ(points, 14);
    const QMap<QString, QByteArray> after = Snapshot(folder);
    ASSERT_EQ(after.keys(), before.keys());
    // Every file but the unmarked second attempt's verdicts held results.
    int changed = 0;
    for (auto it = after.begin(); it != after.end(); ++it)
        changed += it.value() != before.value(it.key()) ? 1 : 0;
    EXPECT_EQ(changed, 5);

    EXPECT_EQ(KillAtEveryPoint(folder, 1, "erase", points, before, after), 1);
}

}  // namespace
