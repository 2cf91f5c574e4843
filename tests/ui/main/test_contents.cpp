// The main window started from the embedded course, in a fresh program folder per test.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "records/record_file.h"
#include "results/results_files.h"
#include "ui/frame/skinned_button.h"
#include "ui/main/contents.h"
#include "ui/main/navigation.h"
#include "ui/main/topic_entry.h"

#include "contents_fixture.h"

TEST_F(ContentsTest, FirstStartWritesTheFolderAndShowsTopicOneOfTheFirstModule) {
    auto c = start();
    EXPECT_EQ(QDir(m_folder + QStringLiteral("/Graphics")).entryList(QDir::Files).size(),
              GraphicIds().size());
    EXPECT_FALSE(QFile::exists(m_folder + QStringLiteral("/temptext30000.txt")));
    expectTemplates();

    const CourseModule& module = c->session().catalogue().module(2);
    ASSERT_TRUE(module.exists());
    EXPECT_FALSE(c->session().catalogue().module(1).exists());
    EXPECT_EQ(c->sharedFields().LChose, 2);
    EXPECT_EQ(c->session().navigation().txtTabPos, 2);
    EXPECT_EQ(c->session().navigation().txtToolBarPos, 1);
    EXPECT_EQ(c->sharedFields().TopicCount, 1);
    EXPECT_EQ(c->sharedFields().lblCOD, QStringLiteral("HM"));
    EXPECT_EQ(c->sharedFields().TtPapersCon, module.paperCount);
    EXPECT_EQ(c->sharedFields().SubH1, module.topicNames.value(0));
    EXPECT_EQ(c->focusFlag().size(), 1);
    EXPECT_EQ(c->windowTitle(), c->session().catalogue().title);
    EXPECT_EQ(text(*c, QStringLiteral("Title")), c->session().catalogue().title);
    EXPECT_EQ(c->frontView()->objectName(), QStringLiteral("Body_Home"));

    // Captions and tooltips of the tabs.
    EXPECT_EQ(text(*c, QStringLiteral("Tab02lbl")), module.label);
    EXPECT_EQ(child(*c, QStringLiteral("Tab02"))->toolTip(),
              QStringLiteral("Load ") + module.label + QStringLiteral(" Module"));
    EXPECT_EQ(child(*c, QStringLiteral("Tab02lbl"))->toolTip(),
              child(*c, QStringLiteral("Tab02"))->toolTip());
    EXPECT_EQ(text(*c, QStringLiteral("Tab04lbl")), QStringLiteral("Help"));
    EXPECT_EQ(child(*c, QStringLiteral("Tab04"))->toolTip(), QStringLiteral("Help (F1)"));

    // Tab placement with module 2 alone.
    QWidget* tab1 = child(*c, QStringLiteral("Tab01"));
    QWidget* tab2 = child(*c, QStringLiteral("Tab02"));
    QWidget* tab3 = child(*c, QStringLiteral("Tab03"));
    QWidget* tab4 = child(*c, QStringLiteral("Tab04"));
    EXPECT_EQ(tab2->x(), 2);
    EXPECT_EQ(tab1->x(), -tab1->width());
    EXPECT_EQ(tab3->x(), -tab3->width());
    EXPECT_TRUE(tab1->isHidden() && tab3->isHidden());  // nor can Tab or a screen reader find them
    EXPECT_EQ(tab4->x(), 2 + tab2->width() - 4);
    EXPECT_EQ(tab4->y() - tab2->y(), 2);  // the active tab stands higher

    // The buttons show their hover pictures themselves: no polling timer runs.
    EXPECT_TRUE(c->findChildren<QTimer*>().isEmpty());

    // Topic 1 is highlighted; topics past the module's count are hidden with their bullets.
    auto* topic1 = child<TopicEntry>(*c, QStringLiteral("Topic1"));
    EXPECT_TRUE(topic1->chosen());
    EXPECT_EQ(Ground(topic1), QColor(128, 128, 128));
    EXPECT_EQ(topic1->entryRect().translated(topic1->pos()), QRect(24, 40, 136, 14));
    for (int i = 1; i <= 10; ++i) {
        const bool shown = i <= module.numberOfTopics;
        EXPECT_EQ(!child(*c, QStringLiteral("Topic%1").arg(i))->isHidden(), shown) << i;
        EXPECT_EQ(!child(*c, QStringLiteral("Bullet%1").arg(i))->isHidden(), shown) << i;
        if (shown) {
            EXPECT_EQ(text(*c, QStringLiteral("Topic%1").arg(i)), module.topicNames.value(i - 1));
        }
    }
    EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ContentsTest, ScoresDecideTheTryAgainButtonsAndARestartRewritesNothing) {
    {
        auto first = start();
        writeScores(*first, {"99", "99.5", "100", "", "0"}, {"75"});
    }
    QMap<QString, QDateTime> stamps;
    QMap<QString, QByteArray> bytes;
    for (ResultsFile file : kAllResultsFiles) {
        stamps[resultsPath(file)] = QFileInfo(resultsPath(file)).lastModified();
        bytes[resultsPath(file)] = Bytes(resultsPath(file));
    }
    auto c = start();
    for (auto it = stamps.cbegin(); it != stamps.cend(); ++it) {
        EXPECT_EQ(QFileInfo(it.key()).lastModified(), it.value()) << it.key().toStdString();
        EXPECT_EQ(Bytes(it.key()), bytes[it.key()]);
    }

    const bool expectedTryAgain[5] = {true, false, false, false, true};
    const int column = 336;  // the "%" column, 5040 twips into the view
    for (int j = 1; j <= 5; ++j) {
        EXPECT_FALSE(child(*c, QStringLiteral("P%1a").arg(j))->isHidden()) << j;
        EXPECT_EQ(!child(*c, QStringLiteral("P%1b").arg(j))->isHidden(), expectedTryAgain[j - 1])
            << j;
        QWidget* score = child(*c, QStringLiteral("MSA%1").arg(j));
        if (j == 4) {
            EXPECT_EQ(score->x(), column);  // nothing to show: at the column's edge
        } else {
            EXPECT_EQ(score->x() + score->width(), column - 1) << j;  // 20 twips before it
        }
    }
    EXPECT_EQ(text(*c, QStringLiteral("MSA2")), QStringLiteral("99.5"));
    EXPECT_EQ(text(*c, QStringLiteral("MSB1")), QStringLiteral("75"));
    QWidget* second = child(*c, QStringLiteral("MSB1"));
    EXPECT_EQ(second->x() + second->width(), column - 1);
    EXPECT_EQ(child(*c, QStringLiteral("MSB2"))->x(), column);
    EXPECT_FALSE(child(*c, QStringLiteral("Percent1a"))->isHidden());
}

TEST_F(ContentsTest, TopicThreeShowsItsPapersAndTheRefreshStaysOnTheLearnersTopic) {
    auto c = start();
    const CourseModule& module = c->session().catalogue().module(2);
    if (module.numberOfTopics < 6) GTEST_SKIP() << "the course in this build has fewer than 6 topics";

    QTest::mouseClick(child(*c, QStringLiteral("Topic3")), Qt::LeftButton);
    EXPECT_EQ(c->sharedFields().TopicCount, 11);
    EXPECT_EQ(c->sharedFields().SubH1, QStringLiteral("Fractions"));
    QTest::mouseClick(child(*c, QStringLiteral("P1a")), Qt::LeftButton);
    EXPECT_EQ(c->sharedFields().PaperNum, 111);
    QTest::mouseClick(child(*c, QStringLiteral("P5a")), Qt::LeftButton);
    EXPECT_EQ(c->sharedFields().PaperNum, 115);

    c->selectTopic(6);
    QTest::mouseClick(child(*c, QStringLiteral("P3a")), Qt::LeftButton);
    EXPECT_EQ(c->sharedFields().PaperNum, 128);
    EXPECT_EQ(c->sharedFields().TakeNum, 1);
    QStringList first(50);
    first[27] = QStringLiteral("75");
    writeScores(*c, first, {});
    ASSERT_NE(m_last, nullptr);
    m_last->closeAndRefresh();

    EXPECT_EQ(c->sharedFields().TopicCount, 26);
    EXPECT_EQ(c->sharedFields().SubH1, module.topicNames.value(5));
    EXPECT_EQ(c->session().navigation().RefreshLog, false);
    EXPECT_EQ(text(*c, QStringLiteral("MSA3")), QStringLiteral("75"));
    EXPECT_FALSE(child(*c, QStringLiteral("P3b"))->isHidden());
    EXPECT_EQ(Ground(child<TopicEntry>(*c, QStringLiteral("Topic6"))), QColor(128, 128, 128));
    EXPECT_EQ(Ground(child<TopicEntry>(*c, QStringLiteral("Topic1"))), QColor(Qt::white));
}

TEST_F(ContentsTest, OpeningAPaperClosesTheOpenPracticeWindowFirst) {
    {
        auto first = start();
        writeScores(*first, {"40"}, {});
    }
    auto c = start();
    QTest::mouseClick(child(*c, QStringLiteral("P1a")), Qt::LeftButton);
    EXPECT_TRUE(c->practiceWindowOpen());
    QTest::mouseClick(child(*c, QStringLiteral("P2a")), Qt::LeftButton);
    QTest::mouseClick(child(*c, QStringLiteral("P1b")), Qt::LeftButton);
    EXPECT_EQ(m_log,
              (QStringList{"open 101 1", "unload 101", "open 102 1", "unload 102", "open 101 2"}));
    EXPECT_EQ(c->sharedFields().TakeNum, 2);

    // A paper the learner keeps open (its answers could not be saved) keeps the program open,
    // opens no other paper and stops an erase before it writes anything.
    m_last->keepOpen = true;
    c->CloseProgram();
    c->close();
    QTest::mouseClick(child(*c, QStringLiteral("P2a")), Qt::LeftButton);
    EXPECT_TRUE(c->isVisible());
    EXPECT_TRUE(c->practiceWindowOpen());
    EXPECT_EQ(m_log.size(), 8) << m_log.join(", ").toStdString();
    EXPECT_EQ(m_log.last(), QStringLiteral("unload 101"));
    writeScores(*c, {"40"}, {});
    c->tabClick(4);
    c->toolbarClick(2);
    QTest::mouseClick(child(*c, QStringLiteral("ButTrash")), Qt::LeftButton);
    QTest::mouseClick(child(*c, QStringLiteral("ButTrash_Yes")), Qt::LeftButton);
    EXPECT_TRUE(child(*c, QStringLiteral("ButTrash"))->isVisible());
    EXPECT_NE(Bytes(resultsPath(ResultsFile::Marks)), ResourceBytes(ResultsTemplateId(2, 1)));
    m_last->keepOpen = false;

    // Closing the program unloads the practice window before the main window goes.
    c->CloseProgram();
    EXPECT_EQ(m_log.last(), QStringLiteral("unload 101"));
    EXPECT_FALSE(c->practiceWindowOpen());
    EXPECT_FALSE(c->isVisible());
}

TEST_F(ContentsTest, TabsToolbarAndReportBarsChooseTheViews) {
    auto c = start();
    QWidget* report = child(*c, QStringLiteral("Body_Report"));
    QWidget* bar1 = child(*c, QStringLiteral("RCBar1"));
    QWidget* bar2 = child(*c, QStringLiteral("RCBar2"));
    QWidget* bar3 = child(*c, QStringLiteral("RCBar3"));
    const int h1 = bar1->height(), h2 = bar2->height(), h3 = bar3->height(), H = report->height();

    QTest::mouseClick(child(*c, QStringLiteral("ToolBar02")), Qt::LeftButton);
    EXPECT_EQ(c->frontView(), report);
    EXPECT_EQ(report->pos(), child(*c, QStringLiteral("Body_Home"))->pos());
    EXPECT_EQ(child(*c, QStringLiteral("RC1Summary"))->geometry(),
              QRect(0, h1, report->width(), H - h1 - h2 - h3));
    EXPECT_EQ(bar2->y(), H - h3 - h2);

    QTest::mouseClick(child(*c, QStringLiteral("lblRCBar3")), Qt::LeftButton);
    EXPECT_EQ(c->session().navigation().txtReportPos, 3);
    EXPECT_EQ(bar3->y(), h1 + h2);
    EXPECT_EQ(child(*c, QStringLiteral("RC3Trend"))->y(), h1 + h2 + h3);

    QTest::mouseClick(child(*c, QStringLiteral("lblTB01")),
                      Qt::LeftButton);  // "Home" by its caption
    EXPECT_EQ(c->frontView()->objectName(), QStringLiteral("Body_Home"));
    c->toolbarClick(2);
    EXPECT_EQ(bar3->y(), h1 + h2);  // the report opens where it was left

    QTest::mouseClick(child(*c, QStringLiteral("Tab02")), Qt::LeftButton);
    EXPECT_EQ(c->frontView()->objectName(), QStringLiteral("Body_Home"));
    EXPECT_EQ(c->session().navigation().txtReportPos, 1);
    c->toolbarClick(2);
    EXPECT_EQ(bar2->y(), H - h3 - h2);

    // The Help tab: About, Trash and Setup; the module stays what it was.
    QTest::mouseClick(child(*c, QStringLiteral("Tab04lbl")), Qt::LeftButton);
    EXPECT_EQ(c->frontView()->objectName(), QStringLiteral("Body_About"));
    EXPECT_EQ(c->sharedFields().LChose, 2);
    EXPECT_EQ(child(*c, QStringLiteral("Tab04"))->y() - child(*c, QStringLiteral("Tab02"))->y(),
              -2);
    EXPECT_EQ(text(*c, QStringLiteral("lblTB01")), QStringLiteral("About"));
    EXPECT_EQ(text(*c, QStringLiteral("lblTB02")), QStringLiteral("Trash"));
    EXPECT_TRUE(child(*c, QStringLiteral("ToolBar03"))->isHidden());
    EXPECT_EQ(child(*c, QStringLiteral("lblTB04"))->toolTip(),
              QStringLiteral("Printer Setup (Alt+S)"));
    EXPECT_EQ(text(*c, QStringLiteral("lblVersion")), QStringLiteral("Version 2.0"));
    EXPECT_EQ(text(*c, QStringLiteral("lblPlatform")), PlatformCaption());
    EXPECT_EQ(text(*c, QStringLiteral("ProgramName")), c->session().catalogue().title);

    c->toolbarClick(2);
    EXPECT_EQ(c->frontView()->objectName(), QStringLiteral("Body_Trash"));
    QTest::mouseClick(child(*c, QStringLiteral("ButTrash")), Qt::LeftButton);
    EXPECT_FALSE(child(*c, QStringLiteral("Trashlbl2"))->isHidden());
    c->toolbarClick(1);
    EXPECT_EQ(c->frontView()->objectName(), QStringLiteral("Body_About"));
    c->toolbarClick(2);
    EXPECT_FALSE(child(*c, QStringLiteral("ButTrash"))->isHidden());  // back to the offer
    EXPECT_TRUE(child(*c, QStringLiteral("ButTrash_Yes"))->isHidden());

    c->tabClick(2);
    EXPECT_EQ(text(*c, QStringLiteral("lblTB04")), QStringLiteral("Close"));
    EXPECT_FALSE(child(*c, QStringLiteral("ToolBar03"))->isHidden());
}

TEST_F(ContentsTest, ToolbarPressShowsThePressedPictureOnlyOverTheSlot) {
    auto c = start();
    auto* home = child<SkinnedButton>(*c, QStringLiteral("ToolBar01"));
    c->toolbarClick(2);  // Report in front, so a click on Home would show

    QTest::mousePress(home, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(c->session().navigation().txtPressTrack, true);
    EXPECT_EQ(home->shownPicture(), QStringLiteral("home_pressed.bmp"));
    QTest::mouseMove(home, QPoint(home->width() + 30, 5));
    EXPECT_EQ(home->shownPicture(), QStringLiteral("home_off.bmp"));
    QTest::mouseRelease(home, Qt::LeftButton, {}, QPoint(home->width() + 30, 5));
    EXPECT_EQ(c->session().navigation().txtPressTrack, false);
    EXPECT_EQ(c->frontView()->objectName(), QStringLiteral("Body_Report"));  // no click

    // The Help tab's pictures and the tabs' front and back pictures follow the page.
    c->tabClick(4);
    EXPECT_EQ(home->shownPicture(), QStringLiteral("about_off.bmp"));
    EXPECT_EQ(child<SkinnedButton>(*c, QStringLiteral("Tab04"))->shownPicture(),
              QStringLiteral("tabs_front_off.bmp"));
    EXPECT_EQ(child<SkinnedButton>(*c, QStringLiteral("Tab02"))->shownPicture(),
              QStringLiteral("tabs_back_off.bmp"));
    EXPECT_EQ(child<SkinnedButton>(*c, QStringLiteral("Tab02"))->look().hovered,
              QStringLiteral("tabs_back_on.bmp"));
    EXPECT_EQ(child<SkinnedButton>(*c, QStringLiteral("P1a"))->look().hovered,
              QStringLiteral("loadbutton_on.bmp"));
}

TEST_F(ContentsTest, EraseAsksInPlaceAndWritesOnlyOnYes) {
    {
        auto first = start();
        writeScores(*first, {"88.8", "100"}, {"90"});
    }
    auto c = start();
    const QByteArray marks = Bytes(resultsPath(ResultsFile::Marks));
    ASSERT_GT(marks.size(), ResourceBytes(ResultsTemplateId(2, 1)).size());

    c->tabClick(4);
    c->toolbarClick(2);
    QTest::mouseClick(child(*c, QStringLiteral("ButTrashlbl")), Qt::LeftButton);
    QTest::mouseClick(child(*c, QStringLiteral("ButTrash_No")), Qt::LeftButton);
    EXPECT_FALSE(child(*c, QStringLiteral("Trashlbl1"))->isHidden());
    EXPECT_TRUE(child(*c, QStringLiteral("Trashlbl2"))->isHidden());
    EXPECT_EQ(Bytes(resultsPath(ResultsFile::Marks)), marks);

    // A paper left open is closed before the erase, so it cannot write old marks back later.
    c->tabClick(2);
    QTest::mouseClick(child(*c, QStringLiteral("P1a")), Qt::LeftButton);
    ASSERT_TRUE(c->practiceWindowOpen());
    c->tabClick(4);
    c->toolbarClick(2);
    QTest::mouseClick(child(*c, QStringLiteral("ButTrash")), Qt::LeftButton);
    QTest::mouseClick(child(*c, QStringLiteral("ButTrash_Yeslbl")), Qt::LeftButton);
    EXPECT_EQ(m_log.last(), QStringLiteral("unload 101"));
    EXPECT_FALSE(c->practiceWindowOpen());
    expectTemplates();
    for (const char* name : {"Trashlbl1", "ButTrash", "Trashlbl2", "ButTrash_Yes", "ButTrash_No"})
        EXPECT_TRUE(child(*c, QString::fromLatin1(name))->isHidden()) << name;
    EXPECT_FALSE(child(*c, QStringLiteral("Trashlbl3"))->isHidden());

    // The module tab reloads the erased results.
    c->tabClick(2);
    EXPECT_TRUE(text(*c, QStringLiteral("MSA1")).isEmpty());
    EXPECT_TRUE(c->session().module().marks.fse.join(QString()).isEmpty());
}

TEST_F(ContentsTest, TheMakersPageWithoutABrowserSaysSo) {
    auto c = start();
    c->openMakersPage();
    EXPECT_EQ(m_messages,
              QStringList{QStringLiteral("Browser Not Found: Could not find associated Browser")});
}

TEST_F(ContentsTest, DamagedResultsAreReportedAndRestoredOnlyWithConsent) {
    { auto first = start(); }
    const QString marksPath = resultsPath(ResultsFile::Marks);
    const QByteArray damaged("#FSE#>77\r\n#SSE#\r\ngarbage\r\n");
    {
        QFile f(marksPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(damaged);
    }
    {
        auto c = start(false);
        QTest::qWait(20);
        ASSERT_EQ(m_messages.size(), 2);
        // The question says which file and what is wrong with it.
        EXPECT_TRUE(m_messages[0].contains(QStringLiteral("marks2HM.txt: record")))
            << m_messages[0].toStdString();
        EXPECT_EQ(Bytes(marksPath), damaged);
        // Kept: a copy of its bytes as they were lies beside it, and the learner is told its name.
        const QStringList copies =
            QDir(m_folder).entryList({QStringLiteral("marks2HM.txt.damaged-*")});
        ASSERT_EQ(copies.size(), 1);
        EXPECT_EQ(Bytes(m_folder + QLatin1Char('/') + copies[0]), damaged);
        QString told = m_messages[1];
        EXPECT_TRUE(told.remove(QChar(0x200B)).contains(copies[0])) << told.toStdString();
        // It carries on with what it can read.
        EXPECT_EQ(text(*c, QStringLiteral("MSA1")), QStringLiteral("77"));
        EXPECT_EQ(c->frontView()->objectName(), QStringLiteral("Body_Home"));
    }
    m_messages.clear();
    {
        auto c = start(true);
        QTest::qWait(20);
        ASSERT_EQ(m_messages.size(), 2);
        EXPECT_EQ(Bytes(marksPath), ResourceBytes(ResultsTemplateId(2, 1)));
        EXPECT_TRUE(text(*c, QStringLiteral("MSA1")).isEmpty());
        // Reset: its bytes as they were are kept beside it first (the copy made when it was kept
        // already holds them, so no second one), and the learner told where.
        const QStringList copies =
            QDir(m_folder).entryList({QStringLiteral("marks2HM.txt.damaged-*")}, QDir::Files);
        ASSERT_EQ(copies.size(), 1);
        QString told = m_messages[1];
        told.remove(QChar(0x200B));
        EXPECT_TRUE(told.contains(QStringLiteral("reset to empty")) && told.contains(copies[0]))
            << told.toStdString();
        EXPECT_EQ(Bytes(m_folder + QLatin1Char('/') + copies[0]), damaged);
    }
}

TEST_F(ContentsTest, AFolderOrPipeInPlaceOfAResultsFileIsNamedAndNeverCopied) {
    { auto first = start(); }
    const QString marksPath = resultsPath(ResultsFile::Marks);
    ASSERT_TRUE(QFile::remove(marksPath));
    ASSERT_TRUE(QDir().mkpath(marksPath));
    {
        auto c = start(false);
        QTest::qWait(20);
        ASSERT_EQ(m_messages.size(), 1) << m_messages.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(m_messages[0].contains(QStringLiteral("folder")))
            << m_messages[0].toStdString();
        EXPECT_TRUE(QDir(m_folder).entryList({QStringLiteral("*.damaged-*")}).isEmpty());
        EXPECT_TRUE(QFileInfo(marksPath).isDir());
    }
    m_messages.clear();
    ASSERT_TRUE(QDir(marksPath).removeRecursively());
    ASSERT_EQ(mkfifo(QFile::encodeName(marksPath).constData(), 0600), 0);
    {
        auto c = start(true);
        QTest::qWait(20);
        ASSERT_GE(m_messages.size(), 1);
        EXPECT_TRUE(m_messages[0].contains(QStringLiteral("named pipe")))
            << m_messages[0].toStdString();
        // Reset: the pipe makes way for the file.
        EXPECT_EQ(Bytes(marksPath), ResourceBytes(ResultsTemplateId(2, 1)));
    }
}

TEST_F(ContentsTest, WithoutACatalogueNoModuleIsShownAndNoResultsFileIsMade) {
    // A folder in the way of the catalogue's temporary file makes its extraction fail.
    ASSERT_TRUE(QDir().mkpath(m_folder + QStringLiteral("/temptext30000.txt")));
    auto c = start();
    EXPECT_TRUE(c->session().catalogue().title.isEmpty());
    for (int k = 1; k <= 3; ++k) {
        QWidget* tab = child(*c, QStringLiteral("Tab0%1").arg(k));
        EXPECT_EQ(tab->x(), -tab->width()) << k;
    }
    EXPECT_EQ(child(*c, QStringLiteral("Tab04"))->x(), 2);
    EXPECT_EQ(c->frontView()->objectName(), QStringLiteral("Body_About"));
    EXPECT_FALSE(QFile::exists(resultsPath(ResultsFile::Marks)));
    EXPECT_TRUE(QFileInfo(m_folder + QStringLiteral("/temptext30000.txt")).isDir());
}

TEST_F(ContentsTest, AnEraseThatCannotWriteAFileNamesItInsteadOfAnnouncingTheErase) {
    auto c = start();
    writeScores(*c, {"40"}, {});
    const QString trend = resultsPath(ResultsFile::Trend);
    ASSERT_TRUE(QFile::remove(trend));
    ASSERT_TRUE(QDir().mkpath(trend));
    c->tabClick(4);
    c->toolbarClick(2);
    QTest::mouseClick(child(*c, QStringLiteral("ButTrash")), Qt::LeftButton);
    QTest::mouseClick(child(*c, QStringLiteral("ButTrash_Yes")), Qt::LeftButton);
    const QString done = text(*c, QStringLiteral("Trashlbl3"));
    EXPECT_TRUE(done.contains(QStringLiteral("trend2HM.txt"))) << qPrintable(done);
    EXPECT_FALSE(done.contains(QStringLiteral("have been erased")));
    // All or nothing: the marks file before the trend is not erased either.
    EXPECT_NE(Bytes(resultsPath(ResultsFile::Marks)), ResourceBytes(ResultsTemplateId(2, 1)));
    // Offered again, the view says what it always said.
    c->toolbarClick(2);
    QTest::mouseClick(child(*c, QStringLiteral("ButTrash")), Qt::LeftButton);
    ASSERT_TRUE(QDir(trend).removeRecursively());
    QTest::mouseClick(child(*c, QStringLiteral("ButTrash_Yes")), Qt::LeftButton);
    EXPECT_EQ(text(*c, QStringLiteral("Trashlbl3")),
              QStringLiteral("All your past results have been erased."));
}

TEST_F(ContentsTest, PicturesThatCannotBeWrittenStopTheStartUpWithTheFolderNamed) {
    QFile blocker(m_folder + QStringLiteral("/Graphics"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Contents contents(m_folder);
    const std::optional<StartUpProblem> problem = contents.startUp();
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->path, m_folder);
    EXPECT_FALSE(contents.isVisible());
    EXPECT_FALSE(QFile::exists(resultsPath(ResultsFile::Marks)));
}

namespace {
// Counts the paint events a widget and its children receive.
class PaintCount : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};
}  // namespace

TEST_F(ContentsTest, TheWindowIsPaintedOnceNotAgainWhenItIsActivated) {
    Contents c(m_folder);
    ASSERT_FALSE(c.startUp().has_value());
    c.show();
    EXPECT_TRUE(c.skinActive());  // drawn as the active window before the activation arrives
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&c));
    QCoreApplication::processEvents();

    PaintCount count;
    for (QWidget* w : c.findChildren<QWidget*>()) w->installEventFilter(&count);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&c, &activate);
    QTest::qWait(30);
    EXPECT_EQ(count.paints, 0);
    // A real change of state still shows.
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&c, &deactivate);
    QTest::qWait(30);
    EXPECT_FALSE(c.skinActive());
    EXPECT_GT(count.paints, 0);
}
