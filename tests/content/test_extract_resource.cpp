#include "content/extract_resource.h"

#include "content/resource_ids.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

TEST(ExtractResource, WritesExactlyTheBytesReplacingALongerFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("temptext.txt");
    const QByteArray catalogue = ResourceBytes(kCatalogueId);
    ASSERT_FALSE(catalogue.isEmpty());

    WriteBytes(path, QByteArray(catalogue.size() * 3, 'x'));
    EXPECT_EQ(ExtractResource(kCatalogueId, "Custom", path), ExtractResult::Ok);
    EXPECT_EQ(FileBytes(path), catalogue);

    // A damaged copy of the same length is rewritten too.
    QByteArray damaged = catalogue;
    damaged[damaged.size() / 2] = '?';
    WriteBytes(path, damaged);
    EXPECT_EQ(ExtractResource(kCatalogueId, "Custom", path), ExtractResult::Ok);
    EXPECT_EQ(FileBytes(path), catalogue);

    // The trend template has no line end at all: nothing may be added.
    EXPECT_EQ(ExtractResource(ResultsTemplateId(2, 6), "Custom", path), ExtractResult::Ok);
    EXPECT_EQ(FileBytes(path), QByteArray("#TRD#"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(ExtractResource, FailsSilentlyForMissingIdsWrongTypeAndUnwritablePlaces) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    WriteBytes(path, "old");
    // Modules 1 and 3 are not in the package.
    for (int id : {PaperTableId(1), MarksTableId(3), ResultsTemplateId(1, 1), 0, 38, 99999, -5}) {
        EXPECT_EQ(ExtractResource(id, "Custom", path), ExtractResult::NoSuchResource) << id;
        EXPECT_FALSE(ResourceExists(id)) << id;
    }
    EXPECT_EQ(ExtractResource(kCatalogueId, "Bitmap", path), ExtractResult::UnknownType);
    EXPECT_EQ(FileBytes(path), QByteArray("old"));

    EXPECT_EQ(ExtractResource(kCatalogueId, "Custom", dir.filePath("missing/folder/out.txt")),
              ExtractResult::CannotWrite);
    EXPECT_FALSE(QFile::exists(dir.filePath("missing")));
    // A path under a regular file cannot be written whoever runs the test.
    EXPECT_EQ(ExtractResource(kCatalogueId, "Custom", path + "/inside.txt"),
              ExtractResult::CannotWrite);
    EXPECT_EQ(ExtractResource(kCatalogueId, "Custom", dir.path()), ExtractResult::CannotWrite);
    EXPECT_EQ(FileBytes(path), QByteArray("old"));
}

TEST(ExtractResource, WriteGraphicsMakesTheFolderAndIsRepeatable) {
    QTemporaryDir dir;
    const QString program = dir.filePath("deep/program");
    EXPECT_TRUE(WriteGraphics(program).isEmpty());
    const QDir graphics(program + "/Graphics");
    ASSERT_TRUE(graphics.exists());
    const QStringList first = graphics.entryList(QDir::Files);
    QList<QByteArray> firstBytes;
    for (const QString& name : first) firstBytes.append(FileBytes(graphics.filePath(name)));
    // Only the pictures the package carries are written; with the skin present that is all 89.
    int present = 0;
    for (int id : GraphicIds()) {
        if (ResourceExists(id)) {
            ++present;
            EXPECT_EQ(FileBytes(graphics.filePath(GraphicFileName(id))), ResourceBytes(id));
        }
    }
    EXPECT_EQ(first.size(), present);

    WriteGraphics(program);
    EXPECT_EQ(graphics.entryList(QDir::Files), first);
    for (qsizetype i = 0; i < first.size(); ++i)
        EXPECT_EQ(FileBytes(graphics.filePath(first[i])), firstBytes[i]);
}
