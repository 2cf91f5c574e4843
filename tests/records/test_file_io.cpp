// Whole-file reads that never block and atomic writes that never leave a torn or special file.
#include "records/file_io.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>

#include "file_bytes.h"

namespace {

bool MakeFifo(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

bool MakeSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    if (fd < 0 || native.size() >= static_cast<qsizetype>(sizeof address.sun_path)) return false;
    std::memcpy(address.sun_path, native.constData(), static_cast<size_t>(native.size()));
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

mode_t ModeOf(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

TEST(FileIo, KindsAreToldApartAndOnlyRegularFilesAreReadWithoutEverBlocking) {
    QTemporaryDir dir;
    const QString plain = dir.filePath("plain.txt");
    WriteBytes(plain, "abc");
    const QString fifo = dir.filePath("fifo.txt");
    ASSERT_TRUE(MakeFifo(fifo));
    const QString socket = dir.filePath("s.txt");
    ASSERT_TRUE(MakeSocket(socket));
    const QString link = dir.filePath("link.txt");
    ASSERT_TRUE(QFile::link(plain, link));
    const QString dangling = dir.filePath("dangling.txt");
    ASSERT_TRUE(QFile::link(dir.filePath("nowhere"), dangling));

    EXPECT_EQ(FileKindAt(plain), FileKind::Regular);
    EXPECT_EQ(FileKindAt(link), FileKind::Regular);
    EXPECT_EQ(FileKindAt(dangling), FileKind::Missing);
    EXPECT_EQ(FileKindAt(dir.filePath("absent")), FileKind::Missing);
    EXPECT_EQ(FileKindAt(dir.path()), FileKind::Directory);
    EXPECT_EQ(FileKindAt(fifo), FileKind::Fifo);
    EXPECT_EQ(FileKindAt(socket), FileKind::Socket);
    EXPECT_EQ(FileKindAt("/dev/null"), FileKind::CharDevice);

    EXPECT_EQ(ReadRegularFile(plain), QByteArray("abc"));
    EXPECT_EQ(ReadRegularFile(link), QByteArray("abc"));
    WriteBytes(dir.filePath("empty.txt"), "");
    EXPECT_EQ(ReadRegularFile(dir.filePath("empty.txt")), QByteArray());
    // A FIFO with no writer would block a plain open for ever.
    QElapsedTimer clock;
    clock.start();
    for (const QString& path : {fifo, socket, dir.path(), QString("/dev/zero"), dangling})
        EXPECT_FALSE(ReadRegularFile(path).has_value()) << path.toStdString();
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST(FileIo, AtomicWritesReplaceWholeKeepModeAndLinksAndRefuseSpecialFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath("marks2HM.txt");
    ASSERT_TRUE(WriteFileAtomically(path, "first, a longer text"));
    EXPECT_EQ(ReadBytes(path), "first, a longer text");
    ASSERT_TRUE(WriteFileAtomically(path, "second", FileSync::None));
    EXPECT_EQ(ReadBytes(path), "second");

    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(path, "third"));
    EXPECT_EQ(ModeOf(path), 0640u);

    // A link stays a link; its target gets the bytes.
    const QString link = dir.filePath("first2HM.txt");
    ASSERT_TRUE(QFile::link(path, link));
    ASSERT_TRUE(WriteFileAtomically(link, "through the link"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadBytes(path), "through the link");

    // A folder or a FIFO where the file should be is refused and stays what it was.
    const QString fifo = dir.filePath("trend2HM.txt");
    ASSERT_TRUE(MakeFifo(fifo));
    ASSERT_TRUE(QDir(dir.path()).mkdir("second2HM.txt"));
    EXPECT_FALSE(WriteFileAtomically(fifo, "x"));
    EXPECT_FALSE(WriteFileAtomically(dir.filePath("second2HM.txt"), "x"));
    EXPECT_EQ(FileKindAt(fifo), FileKind::Fifo);
    EXPECT_EQ(FileKindAt(dir.filePath("second2HM.txt")), FileKind::Directory);
    EXPECT_FALSE(WriteFileAtomically(dir.filePath("no/such/folder.txt"), "x"));

    // No temporary copy is left behind, after success or failure.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden),
              QStringList({"first2HM.txt", "marks2HM.txt", "trend2HM.txt"}));
    EXPECT_TRUE(SyncFolder(dir.path()));
    EXPECT_FALSE(SyncFolder(dir.filePath("absent")));
}

// What the commit hook saw: the folder's names and the target's bytes at each point.
struct HookSighting {
    CommitPoint point;
    QStringList names;
    QByteArray bytes;
};
QList<HookSighting> g_sightings;
QString g_folder;

void RecordSighting(CommitPoint point, const QString& path) {
    g_sightings.append(
        {point, QDir(g_folder).entryList(QDir::Files | QDir::Hidden), ReadBytes(path)});
}

TEST(FileIo, TheCommitHookSeesTheTemporaryCopyBeforeAndTheNewBytesAfterTheRename) {
    QTemporaryDir dir;
    g_folder = dir.path();
    const QString path = dir.filePath("marks2HM.txt");
    WriteBytes(path, "old");
    g_sightings.clear();
    SetCommitHookForTesting(RecordSighting);
    const bool written = WriteFileAtomically(path, "new");
    SetCommitHookForTesting(nullptr);
    ASSERT_TRUE(written);
    ASSERT_EQ(g_sightings.size(), 2);
    EXPECT_EQ(g_sightings[0].point, CommitPoint::BeforeRename);
    EXPECT_EQ(g_sightings[0].bytes, "old");
    ASSERT_EQ(g_sightings[0].names.size(), 2);
    // The temporary copy carries the writer's mark, which the clean-up after a crash goes by.
    EXPECT_TRUE(g_sightings[0].names[1].startsWith("marks2HM.txt.hmquiz-tmp-"))
        << g_sightings[0].names[1].toStdString();
    EXPECT_TRUE(IsTemporaryFileName(g_sightings[0].names[1]));
    EXPECT_EQ(g_sightings[1].point, CommitPoint::AfterRename);
    EXPECT_EQ(g_sightings[1].bytes, "new");
    EXPECT_EQ(g_sightings[1].names, QStringList{"marks2HM.txt"});
}

}  // namespace

namespace {

TEST(FileIo, TheWriteGateIsAskedWithTheLinksTargetAndARefusalChangesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("elsewhere"));
    const QString target = dir.filePath("elsewhere/marks2HM.txt");
    const QString link = dir.filePath("marks2HM.txt");
    WriteBytes(target, "old");
    ASSERT_TRUE(QFile::link(target, link));

    QStringList asked;
    bool allow = false;
    SetWriteGate([&](const QString& path) {
        asked += path;
        return allow;
    });
    WriteError refusal;
    EXPECT_FALSE(WriteFileAtomically(link, "new", FileSync::ToDisk, &refusal));
    EXPECT_EQ(DescribeWriteError(refusal),
              "marks2HM.txt cannot be written: another copy of the program is using its folder");
    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(QDir(dir.filePath("elsewhere")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"marks2HM.txt"});
    // Files rewritten at every start or deleted at once are not asked about.
    EXPECT_TRUE(WriteFileAtomically(dir.filePath("bar.bmp"), "picture", FileSync::None));
    allow = true;
    EXPECT_TRUE(WriteFileAtomically(link, "new"));
    SetWriteGate({});
    EXPECT_EQ(ReadBytes(target), "new");
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(QFileInfo(asked[0]).canonicalFilePath(), QFileInfo(target).canonicalFilePath());
}

}  // namespace
