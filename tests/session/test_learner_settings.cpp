// The question zoom in the learner's settings file: kept on its own without touching the rest,
// read back however quickly the file was replaced, and a strange file in its place is never
// waited on.
#include "session/learner_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}
}  // namespace

TEST(LearnerSettings, TheQuestionZoomIsKeptAloneAndABadFileGivesTheDefault) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(StoredQuestionZoom(dir.path()), 100);  // no file yet

    LearnerSettings printing;
    printing.printer = QStringLiteral("Kitchen");
    printing.lastTopic = 4;
    ASSERT_TRUE(printing.save(dir.path()));
    // Changed twice within one second, each time the same size: read back every time.
    EXPECT_TRUE(KeepQuestionZoom(dir.path(), 175));
    EXPECT_EQ(StoredQuestionZoom(dir.path()), 175);
    EXPECT_TRUE(KeepQuestionZoom(dir.path(), 150));
    EXPECT_EQ(StoredQuestionZoom(dir.path()), 150);
    EXPECT_TRUE(KeepQuestionZoom(dir.path(), 1000));  // held within the range
    EXPECT_EQ(StoredQuestionZoom(dir.path()), 300);
    const LearnerSettings after = LearnerSettings::load(dir.path());
    EXPECT_EQ(after.printer, QStringLiteral("Kitchen"));
    EXPECT_EQ(after.lastTopic, 4);

    const QString path = dir.filePath(LearnerSettings::fileName());
    for (const QByteArray& damaged :
         {QByteArray("[question]\nzoom=5000\n"), QByteArray("[question]\nzoom=big\n"),
          QByteArray("[question]\nzoom=-150\n"), QByteArray("\x00\xff[[[=\n", 7),
          QByteArray(100 * 1024, 'z')}) {
        Write(path, damaged);
        EXPECT_EQ(StoredQuestionZoom(dir.path()), 100) << damaged.left(30).data();
    }

    // A FIFO where the file should be: read as no file, never waited on, and not replaced.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_EQ(StoredQuestionZoom(dir.path()), 100);
    EXPECT_FALSE(KeepQuestionZoom(dir.path(), 150));
    struct stat info {};
    ASSERT_EQ(lstat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}
