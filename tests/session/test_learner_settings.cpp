// The learner's settings file: what is set is read back by the next run; a missing, damaged or
// strange file gives the defaults without blocking or failing, and a file that cannot be written
// is reported and changes nothing on disk.
#include "session/learner_settings.h"

#include <QDir>
#include <QFile>
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

TEST(LearnerSettings, TheQuestionZoomIsKeptAndABadFileGivesTheDefault) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(LearnerSettings(dir.path()).questionZoom(), 100);  // no file yet

    LearnerSettings settings(dir.path());
    EXPECT_TRUE(settings.setQuestionZoom(175));
    EXPECT_EQ(LearnerSettings(dir.path()).questionZoom(), 175);
    EXPECT_TRUE(settings.setQuestionZoom(1000));  // held within the range
    EXPECT_EQ(LearnerSettings(dir.path()).questionZoom(), 300);

    const QString path = settings.path();
    for (const QByteArray& damaged :
         {QByteArray("[question]\nzoom=5000\n"), QByteArray("[question]\nzoom=big\n"),
          QByteArray("[question]\nzoom=-150\n"), QByteArray("\x00\xff[[[=\n", 7),
          QByteArray(100 * 1024, 'z')}) {
        Write(path, damaged);
        EXPECT_EQ(LearnerSettings(dir.path()).questionZoom(), 100) << damaged.left(30).data();
    }

    // A folder or a FIFO where the file should be: read as no file, never waited on, and not
    // replaced.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_EQ(LearnerSettings(dir.path()).questionZoom(), 100);
    EXPECT_FALSE(LearnerSettings(dir.path()).setQuestionZoom(150));
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));
    EXPECT_EQ(LearnerSettings(dir.path()).questionZoom(), 100);
    EXPECT_FALSE(LearnerSettings(dir.path()).setQuestionZoom(150));
    EXPECT_TRUE(QFileInfo(path).isDir());
}
