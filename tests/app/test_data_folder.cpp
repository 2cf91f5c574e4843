// The data folder check that runs before any window: created when missing, refused with a reason
// when it cannot hold the learner's files, and never left changed by the check itself.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "app/data_folder.h"

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// Lowers the file size limit to nothing for one scope. It binds root too, so the check meets a
// write failure like on a full disk.
class NoRoomToWrite {
  public:
    NoRoomToWrite() {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = m_saved;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~NoRoomToWrite() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

  private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

}  // namespace

TEST(DataFolder, MissingLevelsAreCreatedAndTheCheckLeavesNothingBehind) {
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("home/learner/.local/share/hmquiz"));
    const DataFolderCheck check = PrepareDataFolder(folder);
    EXPECT_TRUE(check.usable) << check.reason.toStdString();
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(Entries(folder).isEmpty()) << Entries(folder).join(' ').toStdString();

    // A folder in use keeps its files, byte for byte, and gains nothing.
    WriteFile(folder + QStringLiteral("/marks2HM.txt"), "#FSE#>90.9\r\n");
    QDir(folder).mkdir(QStringLiteral("Graphics"));
    EXPECT_TRUE(PrepareDataFolder(folder).usable);
    EXPECT_EQ(Entries(folder), (QStringList{"Graphics", "marks2HM.txt"}));
    EXPECT_EQ(ReadFile(folder + QStringLiteral("/marks2HM.txt")), QByteArray("#FSE#>90.9\r\n"));
}

TEST(DataFolder, AFileWhereAFolderShouldBeIsNamedAndLeftAlone) {
    QTemporaryDir root;
    const QString file = root.filePath(QStringLiteral("hmquiz"));
    WriteFile(file, "not a folder");

    const DataFolderCheck inPlace = PrepareDataFolder(file);
    EXPECT_FALSE(inPlace.usable);
    EXPECT_TRUE(inPlace.reason.contains(QStringLiteral("file"))) << inPlace.reason.toStdString();

    // A file further up: the message names that level.
    const DataFolderCheck above = PrepareDataFolder(file + QStringLiteral("/learner/data"));
    EXPECT_FALSE(above.usable);
    EXPECT_TRUE(above.reason.contains(file)) << above.reason.toStdString();
    EXPECT_TRUE(above.reason.contains(QStringLiteral("not a folder")));

    EXPECT_EQ(ReadFile(file), QByteArray("not a folder"));
    EXPECT_EQ(Entries(root.path()), QStringList{"hmquiz"});

    // No folder name at all (no home folder to put it in) is refused, not taken as here.
    EXPECT_FALSE(PrepareDataFolder(QString()).usable);
}

TEST(DataFolder, ALinkToNowhereIsRefused) {
    QTemporaryDir root;
    const QString link = root.filePath(QStringLiteral("hmquiz"));
    ASSERT_TRUE(QFile::link(root.filePath(QStringLiteral("gone")), link));
    const DataFolderCheck check = PrepareDataFolder(link);
    EXPECT_FALSE(check.usable);
    EXPECT_TRUE(check.reason.contains(root.filePath(QStringLiteral("gone"))))
        << check.reason.toStdString();
    EXPECT_FALSE(QFileInfo::exists(root.filePath(QStringLiteral("gone"))));
}

TEST(DataFolder, AFolderThatCannotBeFilledIsRefusedAndKeepsItsFiles) {
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("hmquiz"));
    ASSERT_TRUE(QDir().mkpath(folder));
    WriteFile(folder + QStringLiteral("/trend2HM.txt"), "#TRD#>50\r\n");

    DataFolderCheck check;
    {
        NoRoomToWrite full;
        check = PrepareDataFolder(folder);
    }
    EXPECT_FALSE(check.usable);
    EXPECT_TRUE(check.reason.contains(QStringLiteral("cannot be filled")))
        << check.reason.toStdString();
    // Nothing of the check is left: no probe, no temporary copy of it.
    EXPECT_EQ(Entries(folder), QStringList{"trend2HM.txt"});
    EXPECT_EQ(ReadFile(folder + QStringLiteral("/trend2HM.txt")), QByteArray("#TRD#>50\r\n"));

    // With room again the same folder is fine.
    EXPECT_TRUE(PrepareDataFolder(folder).usable);
}
