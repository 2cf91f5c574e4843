// The start-up's work on files done on its own threads while the main window is built: the
// pictures handed over are those on disk, and the results files wait for the pictures.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "content/resource_ids.h"
#include "results/results_files.h"
#include "ui/main/start_up_work.h"

namespace {

class StartUpWorkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_folder = m_dir.path() + QStringLiteral("/hmquiz");
        ASSERT_TRUE(QDir().mkpath(m_folder));
    }
    QString graphics() const { return m_folder + QStringLiteral("/Graphics"); }
    QString marksFile() const {
        return ResultsFilePath(m_folder, ResultsFile::Marks, 2, QStringLiteral("HM"));
    }
    QTemporaryDir m_dir;
    QString m_folder;
};

}  // namespace

TEST_F(StartUpWorkTest, AFirstStartHandsOverEveryPictureAsItsFileOnDiskReadsThenTheResultsFiles) {
    StartUpWorker work(m_folder);
    const SkinPictures pictures = work.takePictures();
    EXPECT_TRUE(pictures.unwritten.isEmpty());
    ASSERT_EQ(pictures.decoded.size(), GraphicIds().size());
    for (int id : GraphicIds()) {
        const QString name = GraphicFileName(id);
        const QImage onDisk(graphics() + QLatin1Char('/') + name);
        ASSERT_FALSE(onDisk.isNull()) << name.toStdString();
        EXPECT_EQ(pictures.decoded.value(name).convertToFormat(onDisk.format()), onDisk)
            << name.toStdString();
    }

    const PreparedFiles files = work.takeFiles();
    EXPECT_EQ(files.catalogue.code, QStringLiteral("HM"));
    EXPECT_EQ(files.check.created.size(), 6);
    EXPECT_TRUE(files.check.failed.isEmpty());
    EXPECT_TRUE(QFile::exists(marksFile()));
}

TEST_F(StartUpWorkTest, WithoutItsPicturesTheStartUpMakesNoResultsFile) {
    QFile blocker(graphics());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    {
        StartUpWorker work(m_folder);
        const SkinPictures pictures = work.takePictures();
        EXPECT_EQ(pictures.unwritten.size(), GraphicIds().size());
        EXPECT_TRUE(pictures.decoded.isEmpty());
    }  // the work is over once the worker is gone
    EXPECT_FALSE(QFile::exists(marksFile()));
}

TEST_F(StartUpWorkTest, AskedAgainItDoesTheWorkAnewOnTheCallingThread) {
    StartUpWorker work(m_folder);
    ASSERT_TRUE(work.takePictures().unwritten.isEmpty());
    ASSERT_TRUE(work.takeFiles().check.failed.isEmpty());

    const QString logo = graphics() + QStringLiteral("/Logo.gif");
    ASSERT_TRUE(QFile::remove(logo));
    ASSERT_TRUE(QFile::remove(marksFile()));
    const SkinPictures again = work.takePictures();
    EXPECT_TRUE(again.unwritten.isEmpty());
    EXPECT_TRUE(QFile::exists(logo));
    EXPECT_EQ(again.decoded.size(), GraphicIds().size());
    EXPECT_TRUE(work.takeFiles().check.created.contains(marksFile()));
}
