#include "content/catalogue.h"
#include "content/extract_resource.h"
#include "content/paper_content.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <numeric>

#include <gtest/gtest.h>

namespace {

int TotalMarks(const PaperContent& content) {
    return std::accumulate(content.marks.cbegin(), content.marks.cend(), 0,
                           [](int sum, const QString& mark) { return sum + mark.toInt(); });
}

}  // namespace

TEST(Catalogue, ReadsTheCourseAndLeavesNoTempFile) {
    QTemporaryDir dir;
    const Catalogue catalogue = ReadCatalogue(dir.path());
    EXPECT_EQ(catalogue.title, "Home Maths Quiz");
    EXPECT_EQ(catalogue.code, "HM");
    EXPECT_FALSE(catalogue.module(1).exists());
    EXPECT_FALSE(catalogue.module(3).exists());
    const CourseModule& practice = catalogue.module(2);
    ASSERT_TRUE(practice.exists());
    EXPECT_EQ(practice.label, "Practice");
    ASSERT_GE(practice.numberOfTopics, 1);
    EXPECT_EQ(practice.paperCount, 5 * practice.numberOfTopics);
    ASSERT_EQ(practice.topicNames.size(), practice.numberOfTopics);
    EXPECT_EQ(practice.topicNames.first(), "Whole Numbers");
    if (practice.numberOfTopics == 10) {
        EXPECT_EQ(practice.topicNames[8], "Rate and Speed");
        EXPECT_EQ(practice.topicNames[9], "Algebra");
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("temptext30000.txt")));
}

TEST(Catalogue, StaysEmptyWhenItCannotBeWrittenOut) {
    QTemporaryDir dir;
    const Catalogue catalogue = ReadCatalogue(dir.filePath("no/such/folder"));
    EXPECT_TRUE(catalogue.title.isEmpty());
    EXPECT_TRUE(catalogue.code.isEmpty());
    for (int m = 1; m <= 3; ++m) EXPECT_FALSE(catalogue.module(m).exists());
}

TEST(PaperContent, FirstPaperReadsInOrderAndLeavesNoTempFile) {
    QTemporaryDir dir;
    // A left-over temp file of an interrupted run is simply overwritten.
    QFile stale(dir.filePath("temptext.txt"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray(100000, '#'));
    stale.close();

    const PaperContent paper = LoadPaperContent(dir.path(), 2, "101");
    ASSERT_TRUE(paper.complete());
    EXPECT_EQ(paper.questionIds.first(), "22032");
    EXPECT_EQ(paper.questionIds.last(), "22091");
    EXPECT_EQ(paper.partsPerQuestion.size(), paper.questionIds.size());
    EXPECT_EQ(std::accumulate(paper.partsPerQuestion.cbegin(), paper.partsPerQuestion.cend(), 0), paper.keys.size());
    EXPECT_FALSE(QFile::exists(dir.filePath("temptext.txt")));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    if (ReadCatalogue(dir.path()).module(2).paperCount == 50) {
        EXPECT_EQ(paper.questionIds.size(), 30);
        EXPECT_EQ(paper.keys.size(), 30);
        EXPECT_EQ(TotalMarks(paper), 66);
        const PaperContent last = LoadPaperContent(dir.path(), 2, "145");
        EXPECT_EQ(last.questionIds.size(), 30);
        EXPECT_EQ(last.keys.size(), 50);
        EXPECT_EQ(TotalMarks(last), 79);
        const PaperContent algebra = LoadPaperContent(dir.path(), 2, "146");
        EXPECT_EQ(algebra.questionIds.size(), 12);
        EXPECT_EQ(TotalMarks(algebra), 24);
    }
}

TEST(PaperContent, QuestionWithTwoPartsKeepsItsKeysKindsAndMarksTogether) {
    QTemporaryDir dir;
    const int papers = ReadCatalogue(dir.path()).module(2).paperCount;
    bool found = false;
    for (int index = 1; index <= papers && !found; ++index) {
        const PaperContent paper = LoadPaperContent(dir.path(), 2, QString::number(100 + index));
        ASSERT_TRUE(paper.complete()) << 100 + index;
        const qsizetype question = paper.questionIds.indexOf("20134");
        if (question < 0) continue;
        found = true;
        const int first = std::accumulate(paper.partsPerQuestion.cbegin(), paper.partsPerQuestion.cbegin() + question, 0);
        ASSERT_EQ(paper.partsPerQuestion[question], 2);
        EXPECT_EQ(paper.keys.mid(first, 2), QStringList({"25", "1 1/3"}));
        EXPECT_EQ(paper.kinds.mid(first, 2).size(), 2);
        EXPECT_EQ(paper.marks.mid(first, 2).size(), 2);
    }
    EXPECT_TRUE(found);
}

TEST(PaperContent, MissingModuleOrPaperLeavesTheListsEmpty) {
    QTemporaryDir dir;
    const PaperContent absentModule = LoadPaperContent(dir.path(), 1, "101");
    EXPECT_TRUE(absentModule.questionIds.isEmpty());
    EXPECT_TRUE(absentModule.keys.isEmpty());
    EXPECT_FALSE(absentModule.complete());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    const PaperContent absentPaper = LoadPaperContent(dir.path(), 2, "199");
    EXPECT_FALSE(absentPaper.complete());
    EXPECT_FALSE(QFile::exists(dir.filePath("temptext.txt")));

    const PaperContent noFolder = LoadPaperContent(dir.filePath("gone"), 2, "101");
    EXPECT_FALSE(noFolder.complete());
}
