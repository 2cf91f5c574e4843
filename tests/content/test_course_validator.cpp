#include "course_validator.h"

#include "content/extract_resource.h"
#include "content/resource_ids.h"

#include <QHash>

#include <gtest/gtest.h>

namespace {

// The embedded package with some resources replaced.
PackageReader Altered(const QHash<int, QByteArray>& changes) {
    const PackageReader base = EmbeddedPackageReader();
    return [base, changes](int id) { return changes.contains(id) ? changes.value(id) : base(id); };
}

QByteArray Bytes(int id) {
    return ResourceBytes(id);
}

bool Mentions(const QStringList& problems, const QString& text) {
    for (const QString& problem : problems) {
        if (problem.contains(text)) return true;
    }
    return false;
}

// A table with the fields of one question's record replaced.
QByteArray WithRecord(QByteArray table, const QByteArray& question, const QByteArray& fields) {
    const qsizetype start = table.indexOf("#" + question + "#");
    const qsizetype end = table.indexOf("\r\n", start);
    return table.replace(start, end - start, "#" + question + "#>" + fields);
}

}  // namespace

TEST(CourseValidator, BuiltPackageKeepsEveryRule) {
    EXPECT_EQ(CheckPackageRules(EmbeddedPackageReader()), QStringList());
    EXPECT_EQ(CheckPackageRules(PackageFolderReader(HM_PACKAGE_DIR)), QStringList());
}

TEST(CourseValidator, BuiltPackageHasTheFullCourseFigures) {
    if (!Bytes(PaperTableId(2)).contains("#150#"))
        GTEST_SKIP() << "the package holds a smaller course";
    EXPECT_EQ(CheckCourseFigures(EmbeddedPackageReader()), QStringList());

    // One mark more or less on paper 101 keeps every rule but misses the paper's fixed total.
    QByteArray marks = Bytes(MarksTableId(2));
    const qsizetype at = marks.indexOf("#22032#>") + 8;
    marks[at] = marks[at] == '1' ? '2' : '1';
    const QStringList problems = CheckCourseFigures(Altered({{MarksTableId(2), marks}}));
    EXPECT_TRUE(Mentions(problems, "paper 101 totals")) << problems.join('\n').toStdString();
}

TEST(CourseValidator, FindsBrokenTables) {
    const QByteArray kinds = Bytes(AnswerKindTableId(2));
    const QByteArray marks = Bytes(MarksTableId(2));
    const QByteArray keys = Bytes(AnswerKeyId(2));
    ASSERT_TRUE(keys.contains("#22032#>"));

    // An unknown kind letter and marks that are not positive whole numbers.
    QByteArray badKinds = kinds;
    badKinds.replace("#22032#>N", "#22032#>Z");
    // Named with the table and line it is on, like the package builder names the course file.
    EXPECT_TRUE(Mentions(CheckPackageRules(Altered({{AnswerKindTableId(2), badKinds}})),
                         QStringLiteral("%1:2: question 22032: unknown kind 'Z'")
                             .arg(AnswerKindTableId(2))));
    QByteArray zeroMarks = marks;
    const qsizetype at = zeroMarks.indexOf("#22032#>") + 8;
    zeroMarks[at] = '0';
    EXPECT_TRUE(
        Mentions(CheckPackageRules(Altered({{MarksTableId(2), zeroMarks}})), "22032: marks '0'"));

    // A question missing from one table and a part more in another.
    const qsizetype start = keys.indexOf("#22032#");
    const qsizetype end = keys.indexOf("\r\n", start) + 2;
    QByteArray missing = keys;
    missing.remove(start, end - start);
    EXPECT_TRUE(Mentions(CheckPackageRules(Altered({{AnswerKeyId(2), missing}})),
                         "is not the next question"));
    QByteArray extraPart = kinds;
    extraPart.replace("#22032#>N", "#22032#>N>N");
    const QStringList extra = CheckPackageRules(Altered({{AnswerKindTableId(2), extraPart}}));
    EXPECT_TRUE(Mentions(extra, "question 22032: 1 keys, 2 kinds, 1 marks"));

    // Questions listed out of paper order.
    QByteArray swapped = keys;
    const QByteArray firstLine = keys.mid(start, end - start);
    swapped.remove(start, end - start);
    const qsizetype secondEnd = swapped.indexOf("\r\n", start) + 2;
    swapped.insert(secondEnd, firstLine);
    EXPECT_TRUE(Mentions(CheckPackageRules(Altered({{AnswerKeyId(2), swapped}})),
                         "is not the next question"));
}

// Kind G shares one list of alternatives among a head and the parts after it whose key is one
// space; such a key is refused only where no part of kind G comes before it.
TEST(CourseValidator, AcceptsGroupFollowersOfKindGOnly) {
    const QByteArray paper = Bytes(PaperTableId(2));
    const qsizetype start = paper.indexOf("#101#>") + 6;
    const QList<QByteArray> questions = paper.mid(start, paper.indexOf("\r\n", start) - start).split('>');
    ASSERT_GE(questions.size(), 2);
    const QByteArray head = questions[0], follower = questions[1];
    auto check = [&](const QByteArray& headKind, const QByteArray& followerKind) {
        QByteArray keys = WithRecord(Bytes(AnswerKeyId(2)), head, ";red;blue");
        keys = WithRecord(keys, follower, " ");
        QByteArray kinds = WithRecord(Bytes(AnswerKindTableId(2)), head, headKind);
        kinds = WithRecord(kinds, follower, followerKind);
        return CheckPackageRules(Altered({{AnswerKeyId(2), keys}, {AnswerKindTableId(2), kinds}}));
    };
    const QStringList grouped = check("G", "G");
    EXPECT_FALSE(Mentions(grouped, QString::fromLatin1(follower))) << grouped.join('\n').toStdString();
    EXPECT_TRUE(Mentions(check("M", "G"), "a key of one space follows no part of kind G"));
    EXPECT_TRUE(Mentions(check("M", "M"), QString::fromLatin1(follower) + " has an empty key"));
}

TEST(CourseValidator, FindsTemplatesAndCataloguesThatDoNotMatch) {
    QByteArray perPaper = Bytes(ResultsTemplateId(2, 3));
    perPaper.replace("#101#>", "#101#>>");
    EXPECT_TRUE(
        Mentions(CheckPackageRules(Altered({{ResultsTemplateId(2, 3), perPaper}})), "30123"));
    EXPECT_TRUE(
        Mentions(CheckPackageRules(Altered({{ResultsTemplateId(2, 6), "#TRD#\r\n"}})), "30126"));
    EXPECT_TRUE(Mentions(CheckPackageRules(Altered({{ResultsTemplateId(2, 1), QByteArray()}})),
                         "30121: missing"));

    QByteArray catalogue = Bytes(kCatalogueId);
    ASSERT_TRUE(catalogue.endsWith("..."));
    EXPECT_TRUE(
        Mentions(CheckPackageRules(Altered({{kCatalogueId, catalogue + "\r\n"}})), "last line"));
    QByteArray noDashes = catalogue;
    noDashes.replace("-", "");
    EXPECT_TRUE(Mentions(CheckPackageRules(Altered({{kCatalogueId, noDashes}})), "dashes"));

    // A question document gone from the package.
    EXPECT_TRUE(
        Mentions(CheckPackageRules(Altered({{22032, QByteArray()}})), "22032 has no document"));
}

// Every question of the paper table has one readable solution with its pictures, and no solution
// stands without its question.
TEST(CourseValidator, FindsMissingStrayAndBrokenSolutions) {
    const int question = 22032;
    ASSERT_FALSE(Bytes(SolutionId(question)).isEmpty()) << "the package has no solutions";
    EXPECT_TRUE(Mentions(CheckPackageRules(Altered({{SolutionId(question), QByteArray()}})),
                         "question 22032 has no solution"));

    int stray = 0;  // a question id no paper uses
    const QByteArray papers = Bytes(PaperTableId(2));
    for (int id = kFirstQuestionId; id <= kLastQuestionId && stray == 0; ++id)
        if (!papers.contains(">" + QByteArray::number(id))) stray = id;
    ASSERT_NE(stray, 0);
    EXPECT_TRUE(
        Mentions(CheckPackageRules(Altered({{SolutionId(stray), Bytes(SolutionId(question))}})),
                 QStringLiteral("a solution for question %1, which no paper has").arg(stray)));

    EXPECT_TRUE(Mentions(CheckPackageRules(Altered({{SolutionId(question), "<p>Answer: 20</p>"}})),
                         "the solution of question 22032 cannot be read"));

    // A solution whose picture went astray, and one whose picture is not a picture (a question
    // document with a figure stands in for a solution that has one).
    QByteArray pictured;
    for (int id = kFirstQuestionId; id <= kLastQuestionId && pictured.isEmpty(); ++id)
        if (Bytes(id).contains("Content-Location: fig1.gif")) pictured = Bytes(id);
    ASSERT_FALSE(pictured.isEmpty()) << "no question of the package has a figure";
    EXPECT_EQ(CheckPackageRules(Altered({{SolutionId(question), pictured}})), QStringList());
    QByteArray lost = pictured;
    lost.replace("Content-Location: fig1.gif", "Content-Location: gone.gif");
    EXPECT_TRUE(Mentions(CheckPackageRules(Altered({{SolutionId(question), lost}})),
                         "lacks its picture fig1.gif"));
    QByteArray garbled = pictured;
    const qsizetype gif =
        garbled.indexOf("\r\n\r\n", garbled.indexOf("Content-Location: fig1.gif"));
    garbled.replace(gif + 4, 8, "AAAAAAAA");
    EXPECT_TRUE(Mentions(CheckPackageRules(Altered({{SolutionId(question), garbled}})),
                         "picture fig1.gif cannot be read"));
}
