#include "course_source.h"

#include <QTemporaryDir>
#include <QFile>
#include <QDir>

#include <gtest/gtest.h>

namespace {

const char* const kGoodQuestion =
    "paper 101\n"
    "\n"
    "question 22032\n"
    "family add_whole a=3456 b=1289\n"
    "text\n"
    "<p>Work out <b>3456 + 1289</b>.</p><p class=\"answer\">(a) ____</p><p class=\"answer\">(b) ____</p>\n"
    "<p><img src=\"fig1.gif\"></p>\n"
    "end text\n"
    "figure fig1.gif 100 50\n"
    "line 0 0 10 10 dash thick\n"
    "poly 1 1 5 1 5 5 fill=#ff0000\n"
    "text 50 25 c \"12 cm\"\n"
    "end figure\n"
    "part N 2 \"36000 \"\n"
    "part X 1 \"5 \"2\"/3\"\n";

// The message of parsing `text` as papers/101.txt, which must fail.
QString ErrorOf(const QString& text) {
    SourceError error;
    EXPECT_FALSE(ParsePaper(text, "papers/101.txt", error).has_value()) << text.toStdString();
    return error.message;
}

QString WithLine(int line, const QString& replacement) {
    QStringList lines = QString(kGoodQuestion).split('\n');
    lines[line - 1] = replacement;
    return lines.join('\n');
}

}  // namespace

TEST(CourseSource, ReadsAQuestionWithFiguresAndKeysAsWritten) {
    SourceError error;
    const auto paper = ParsePaper(kGoodQuestion, "papers/101.txt", error);
    ASSERT_TRUE(paper.has_value()) << error.message.toStdString();
    EXPECT_EQ(paper->number, 101);
    ASSERT_EQ(paper->questions.size(), 1);
    const SourceQuestion& question = paper->questions.first();
    EXPECT_EQ(question.id, 22032);
    EXPECT_EQ(question.family, "add_whole a=3456 b=1289");
    EXPECT_TRUE(question.html.startsWith("<p>Work out"));
    ASSERT_EQ(question.parts.size(), 2);
    EXPECT_EQ(question.parts[0].key, "36000 ");  // the trailing space is kept
    EXPECT_EQ(question.parts[0].marks, 2);
    EXPECT_EQ(question.parts[1].key, "5 \"2\"/3");  // everything between the outer quotes
    ASSERT_EQ(question.figures.size(), 1);
    const SourceFigure& figure = question.figures.first();
    EXPECT_EQ(figure.width, 100);
    ASSERT_EQ(figure.primitives.size(), 3);
    EXPECT_TRUE(figure.primitives[0].dash);
    EXPECT_TRUE(figure.primitives[0].thick);
    EXPECT_EQ(figure.primitives[1].fill, "#ff0000");
    EXPECT_EQ(figure.primitives[1].numbers.size(), 6);
    EXPECT_EQ(figure.primitives[2].text, "12 cm");
    EXPECT_EQ(figure.primitives[2].align, "c");
}

TEST(CourseSource, MistakesNameTheFileLineAndProblem) {
    EXPECT_EQ(ErrorOf(WithLine(14, "part N 2 \"\"")), "papers/101.txt:14: missing key");
    EXPECT_EQ(ErrorOf(WithLine(14, "part N 2")), "papers/101.txt:14: part needs <kind> <marks> \"<key>\"");
    EXPECT_EQ(ErrorOf(WithLine(14, "part N 2 4745")), "papers/101.txt:14: the key must be in double quotes");
    EXPECT_EQ(ErrorOf(WithLine(14, "part W 2 \"4745\"")), "papers/101.txt:14: unknown answer kind 'W'");
    // A key of one space continues a kind G list, and only that.
    EXPECT_EQ(ErrorOf(WithLine(15, "part G 1 \" \"")),
              "papers/101.txt:15: a key of one space must follow a part of kind G");
    SourceError groupError;
    EXPECT_TRUE(ParsePaper(WithLine(15, "part G 1 \" \"").replace("part N 2 \"36000 \"", "part G 2 \";a;b\""),
                           "papers/101.txt", groupError)
                    .has_value())
        << groupError.message.toStdString();
    EXPECT_EQ(ErrorOf(WithLine(15, "part X 0 \"1\"")), "papers/101.txt:15: marks '0' is not a positive whole number");
    EXPECT_EQ(ErrorOf(WithLine(15, "part X 1.5 \"1\"")), "papers/101.txt:15: marks '1.5' is not a positive whole number");
    EXPECT_EQ(ErrorOf(WithLine(15, "part X 1 \"a>b\"")), "papers/101.txt:15: a key cannot hold '>' or '#'");
    EXPECT_EQ(ErrorOf(WithLine(3, "question 19999")), "papers/101.txt:3: question id must be 20011 to 22841");
    EXPECT_EQ(ErrorOf(WithLine(10, "spline 0 0 1 1")), "papers/101.txt:10: unknown figure primitive 'spline'");
    EXPECT_EQ(ErrorOf(WithLine(10, "line 0 0 1")), "papers/101.txt:10: line needs 4 numbers");
    EXPECT_EQ(ErrorOf(WithLine(11, "poly 1 1 5 1")), "papers/101.txt:11: poly needs at least three x y pairs");
    EXPECT_EQ(ErrorOf(WithLine(7, "<p>no picture</p>")), "papers/101.txt:9: figure fig1.gif is not shown by the text or the solution");
    EXPECT_EQ(ErrorOf(WithLine(9, "figure fig2.gif 100 50")), "papers/101.txt:9: figure fig2.gif is not shown by the text or the solution");
    EXPECT_EQ(ErrorOf(WithLine(8, "")), "papers/101.txt:5: text without 'end text'");
    EXPECT_EQ(ErrorOf(WithLine(1, "paper x")), "papers/101.txt:1: the file must start with 'paper <number>'");
    EXPECT_EQ(ErrorOf(WithLine(6, QString::fromUtf8("<p>\u2212 3</p>"))), "papers/101.txt:6: character outside Latin-1");

    // Every part has its answer line, or the four numbered choices of a multiple-choice part.
    EXPECT_EQ(ErrorOf(WithLine(15, "")), "papers/101.txt:3: question 22032 has 1 parts but 2 answer lines and 0 choice lists");
    const QString choice = "paper 101\nquestion 22040\ntext\n<p>Which?</p>\n<ol class=\"options\">\n<li>1</li><li>2</li>"
                           "<li>3</li>%1\n</ol>\nend text\npart Q 1 \"%2\"\n";
    SourceError error;
    EXPECT_TRUE(ParsePaper(choice.arg("<li>4</li>", "3"), "p.txt", error).has_value()) << error.message.toStdString();
    EXPECT_EQ(ErrorOf(choice.arg("", "3")), "papers/101.txt:2: question 22040 is multiple choice without four numbered choices");
    EXPECT_EQ(ErrorOf(choice.arg("<li>4</li>", "5")), "papers/101.txt:2: question 22040: a multiple-choice key must be 1, 2, 3 or 4");

    // A solution closes, and a picture it shows is drawn.
    const QString solved = QString(kGoodQuestion) + "solution\n<p>3456 + 1289 = 4745</p>\n%1";
    EXPECT_EQ(ErrorOf(solved.arg("")), "papers/101.txt:16: solution without 'end solution'");
    EXPECT_EQ(ErrorOf(solved.arg("<p><img src=\"sol1.gif\" alt=\"\"></p>\nend solution\n")),
              "papers/101.txt:3: question 22032 shows sol1.gif, which no figure draws");

    // A question without any part is caught when the next one starts.
    const QString noParts = QString(kGoodQuestion) + "question 22033\ntext\n<p>x</p>\nend text\nquestion 22034\n";
    EXPECT_EQ(ErrorOf(noParts), "papers/101.txt:16: question 22033 has no part");
    const QString twice = QString(kGoodQuestion) + "question 22032\n";
    EXPECT_EQ(ErrorOf(twice), "papers/101.txt:16: question 22032 given twice");
}

TEST(CourseSource, CatalogueAndCourseMistakes) {
    SourceError error;
    const auto catalogue = ParseCatalogue("title Home Maths Quiz\ncode HM\nmodule 2 Practice\ntopic Whole Numbers\n"
                                          "topic Decimals\n",
                                          "catalogue.txt", error);
    ASSERT_TRUE(catalogue.has_value());
    EXPECT_EQ(catalogue->module, 2);
    EXPECT_EQ(catalogue->topics, QStringList({"Whole Numbers", "Decimals"}));

    EXPECT_FALSE(ParseCatalogue("title A\ncode HM\ntopic X\n", "catalogue.txt", error));
    EXPECT_EQ(error.message, "catalogue.txt:3: topic before any module");
    EXPECT_FALSE(ParseCatalogue("title A\ncode HM\nmodule 4 Practice\n", "catalogue.txt", error));
    EXPECT_EQ(error.message, "catalogue.txt:3: module number must be 1, 2 or 3");

    // A course whose question ids collide across papers.
    QTemporaryDir dir;
    const QString course = dir.path();
    ASSERT_TRUE(QDir().mkpath(course + "/papers"));
    for (const QString& name : QDir(HM_FIXTURE_DIR).entryList(QDir::Files))
        QFile::copy(QString(HM_FIXTURE_DIR) + '/' + name, course + '/' + name);
    for (const QString& name : QDir(QString(HM_FIXTURE_DIR) + "/papers").entryList(QDir::Files))
        QFile::copy(QString(HM_FIXTURE_DIR) + "/papers/" + name, course + "/papers/" + name);
    ASSERT_TRUE(ReadCourse(course, error).has_value()) << error.message.toStdString();

    QFile paper(course + "/papers/103.txt");
    ASSERT_TRUE(paper.open(QIODevice::Append));
    paper.write("\nquestion 20011\ntext\n<p class=\"answer\">x</p>\nend text\npart N 1 \"1\"\n");
    paper.close();
    EXPECT_FALSE(ReadCourse(course, error).has_value());
    EXPECT_EQ(error.message, course + "/papers/103.txt:18: question 20011 is used by another paper");

    QFile::remove(course + "/papers/103.txt");
    EXPECT_FALSE(ReadCourse(course, error).has_value());
    EXPECT_EQ(error.message, course + "/papers/103.txt:1: cannot be read");
}
