// The clean-up after an interrupted run removes what such a run leaves, and nothing else.
#include "results/leftovers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "records/file_bytes.h"
#include "records/file_io.h"

namespace {

TEST(Leftovers, MarkedTemporaryCopiesAndPaperFilesGoEverythingElseStays) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    ASSERT_TRUE(folder.mkdir("Graphics"));
    const QStringList leftovers = {"marks2HM.txt.hmquiz-tmp-AbCdEf",
                                   "trend2HM.txt.hmquiz-tmp-zzzzzz",
                                   "marking.journal.hmquiz-tmp-AAAAAA",
                                   "marks2HM.txt.damaged-2026-12-07-231500.hmquiz-tmp-abcdef",
                                   "temptext.txt",
                                   "temptext30000.txt",
                                   "temppaper22032.mht",
                                   "Graphics/bar.bmp.hmquiz-tmp-AbcDEF",
                                   "Graphics/Logo.gif.hmquiz-tmp-qwerty"};
    const QStringList kept = {
        // The learner's own copies, whatever the letters after the name.
        "first2HM.txt.backup", "marks2HM.txt.Backup", "trend2HM.txt.before",
        "Graphics/Logo.gif.backup", "sresults2HM.txt.copy01",
        // An older version's temporary copies look just like those, so they stay too.
        "marks2HM.txt.AbCdEf", "temptext.txt.aBcDeF", "temppaper20134.mht.XyZxyZ",
        // The mark must be whole and end the name.
        "marks2HM.txt.hmquiz-tmp-AbCdE", "marks2HM.txt.hmquiz-tmp-AbCdEfg",
        "marks2HM.txt.hmquiz-tmp-AbC1Ef", "marks2HM.txt.hmquiz-tmp-AbCdEf.txt",
        ".hmquiz-tmp-AbCdEf", "marks2HM.txt.hmquiz-tmp", "notes.hmquiz-tmpAbCdEf",
        // The files themselves.
        "marks2HM.txt", "marking.journal", "marks2HM.txt.damaged-2026-12-07-231500",
        "temppaper.mht", "temppaperX.mht", "temptext.txt.old", "hmquiz.lock", "Graphics/bar.bmp",
        "Graphics/temptext.txt"};
    for (const QString& name : leftovers + kept) WriteBytes(folder.filePath(name), "x");
    // A folder with a leftover's name is not a file to remove.
    ASSERT_TRUE(folder.mkdir("sresults2HM.txt.hmquiz-tmp-FolDer"));

    QStringList removed = RemoveLeftovers(dir.path());
    QStringList expected;
    for (const QString& name : leftovers) expected += folder.filePath(name);
    removed.sort();
    expected.sort();
    EXPECT_EQ(removed, expected);
    for (const QString& name : kept)
        EXPECT_TRUE(QFile::exists(folder.filePath(name))) << name.toStdString();
    EXPECT_TRUE(QFileInfo(folder.filePath("sresults2HM.txt.hmquiz-tmp-FolDer")).isDir());
    EXPECT_TRUE(RemoveLeftovers(dir.path()).isEmpty());
}

QString g_folder;
QStringList g_temporaryNames;

void NoteTemporaryCopies(CommitPoint point, const QString& target) {
    if (point != CommitPoint::BeforeRename) return;
    for (const QString& name : QDir(g_folder).entryList(QDir::Files | QDir::Hidden))
        if (name != QFileInfo(target).fileName()) g_temporaryNames += name;
}

TEST(Leftovers, TheWritersOwnTemporaryCopiesAreKnownAsLeftovers) {
    // A run ended just before a rename leaves the writer's copy under the name it drew: the
    // clean-up must know every such name, in the folder and among the pictures.
    QTemporaryDir dir;
    g_folder = dir.path();
    g_temporaryNames.clear();
    SetCommitHookForTesting(NoteTemporaryCopies);
    for (int i = 0; i < 20; ++i) WriteFileAtomically(dir.filePath("fresults2HM.txt"), "new");
    SetCommitHookForTesting(nullptr);
    ASSERT_EQ(g_temporaryNames.size(), 20);
    QDir(dir.path()).mkdir("Graphics");
    QStringList left;
    for (const QString& name : g_temporaryNames) {
        left += dir.filePath(name);
        left += dir.filePath("Graphics/" + QString(name).replace("fresults2HM.txt", "bar.bmp"));
    }
    for (const QString& path : left) WriteBytes(path, "torn");
    QStringList removed = RemoveLeftovers(dir.path());
    removed.sort();
    left.sort();
    left.removeDuplicates();
    EXPECT_EQ(removed, left);
    EXPECT_EQ(ReadBytes(dir.filePath("fresults2HM.txt")), "new");
}

}  // namespace
