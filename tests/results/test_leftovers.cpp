// The clean-up after an interrupted run removes what such a run leaves, and nothing else.
#include "results/leftovers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include "records/file_bytes.h"

namespace {

TEST(Leftovers, TemporaryCopiesAndPaperFilesGoEverythingElseStays) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    ASSERT_TRUE(folder.mkdir("Graphics"));
    const QStringList leftovers = {
        "marks2HM.txt.AbCdEf",        "trend2HM.txt.zzzzzz",
        "first1XY.txt.QwErTy",        "temptext.txt",
        "temptext30000.txt",          "temptext.txt.aBcDeF",
        "temppaper22032.mht",         "temppaper20134.mht.XyZxyZ",
        "marking.journal.AAAAAA",     "Graphics/bar.bmp.AbcDEF",
        "Graphics/VTicon.ico.qwerty", "marks2HM.txt.damaged-2026-12-07-231500.abcdef"};
    const QStringList kept = {"marks2HM.txt",
                              "marking.journal",
                              "marks2HM.txt.damaged-2026-12-07-231500",
                              "marks2HM.txt.AbCdE",
                              "marks2HM.txt.AbCdEfg",
                              "marks2HM.txt.AbC1Ef",
                              "notes.txt.AbCdEf",
                              "temppaper.mht",
                              "temppaperX.mht",
                              "temptext.txt.old",
                              "hmquiz.lock",
                              "Graphics/bar.bmp",
                              "Graphics/mine.bmp.AbcDEF",
                              "Graphics/bar.bmp.Abc"};
    for (const QString& name : leftovers + kept) WriteBytes(folder.filePath(name), "x");
    // A folder with a leftover's name is not a file to remove.
    ASSERT_TRUE(folder.mkdir("sresults2HM.txt.FolDer"));

    QStringList removed = RemoveLeftovers(dir.path());
    QStringList expected;
    for (const QString& name : leftovers) expected += folder.filePath(name);
    removed.sort();
    expected.sort();
    EXPECT_EQ(removed, expected);
    for (const QString& name : kept)
        EXPECT_TRUE(QFile::exists(folder.filePath(name))) << name.toStdString();
    EXPECT_TRUE(QFileInfo(folder.filePath("sresults2HM.txt.FolDer")).isDir());
    EXPECT_TRUE(RemoveLeftovers(dir.path()).isEmpty());
}

TEST(Leftovers, NamesMadeByQtsTemporaryFileTemplateAreRecognised) {
    // QSaveFile links its copy under a name from this template just before its rename, so a run
    // ended there leaves exactly such a file.
    QTemporaryDir dir;
    const QString target = dir.filePath("fresults2HM.txt");
    WriteBytes(target, "old");
    QStringList made;
    for (int i = 0; i < 20; ++i) {
        QTemporaryFile sibling(target + ".XXXXXX");
        ASSERT_TRUE(sibling.open());
        sibling.setAutoRemove(false);
        made += sibling.fileName();
    }
    QStringList removed = RemoveLeftovers(dir.path());
    removed.sort();
    made.sort();
    EXPECT_EQ(removed, made);
    EXPECT_EQ(ReadBytes(target), "old");
}

}  // namespace
