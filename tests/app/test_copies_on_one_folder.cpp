// Two copies of the program never work on the same results files, even when the lock file is
// removed under the running one or a second folder holds links to the first one's files: the
// second copy marking paper 105 and the first then marking 101 would leave 105's answers,
// verdicts and score overwritten while the trend kept its entry.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/single_instance.h"

namespace {

// A copy_driver process: one copy of the program on a folder.
class Copy {
  public:
    Copy(const QString& folder, const QString& paper) {
        m_process.setProgram(QStringLiteral(HM_COPY_DRIVER));
        m_process.setArguments({folder, paper});
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
    }
    ~Copy() {
        if (m_process.state() == QProcess::NotRunning) return;
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000)) m_process.kill();
        m_process.waitForFinished(2000);
    }

    // The next line the copy prints, or "" after 15 s or once it has ended.
    QString line() {
        while (!m_process.canReadLine()) {
            if (m_process.state() == QProcess::NotRunning || !m_process.waitForReadyRead(15000))
                break;
        }
        return QString::fromUtf8(m_process.readLine()).trimmed();
    }
    QString mark() {
        m_process.write("mark\n");
        return line();
    }
    qint64 pid() const { return m_process.processId(); }

  private:
    QProcess m_process;
};

QString Record(const QString& folder, const QString& file, const QString& key) {
    QFile in(QDir(folder).filePath(file));
    if (!in.open(QIODevice::ReadOnly)) return {};
    const QByteArray head = "#" + key.toLatin1() + "#";
    for (const QByteArray& line : in.readAll().split('\n'))
        if (line.startsWith(head)) return QString::fromLatin1(line.trimmed());
    return {};
}

QString Field(const QString& record, int index) {
    return record.split(QLatin1Char('>')).value(index);
}

// Every paper the marks file calls marked has its score, its verdicts and its trend entry, and
// the trend holds nothing else; returns what is wrong.
QString Disagreements(const QString& folder) {
    QString wrong;
    const QString state = Record(folder, "marks2HM.txt", "FST");
    const QStringList trend = Record(folder, "trend2HM.txt", "TRD").split('>').mid(1);
    int marked = 0;
    for (int i = 1; i <= 50; ++i) {
        if (Field(state, i) != QLatin1String("1")) continue;
        ++marked;
        const QString key = QString::number(100 + i);
        if (Field(Record(folder, "marks2HM.txt", "FSE"), i).isEmpty())
            wrong += key + " has no score; ";
        if (!Record(folder, "fresults2HM.txt", key).contains(QLatin1Char('Y')))
            wrong += key + " has no verdicts; ";
        if (!trend.contains(Field(Record(folder, "marks2HM.txt", "FSE"), i)))
            wrong += key + " is not in the trend; ";
    }
    if (trend.size() != marked)
        wrong += QString::number(trend.size()) + " trend entries for " + QString::number(marked) +
                 " marked papers";
    return wrong;
}

TEST(CopiesOnOneFolder, ALockFileRemovedUnderARunningCopyLetsNoSecondCopyIn) {
    QTemporaryDir root;
    const QString folder = root.filePath("data");
    QDir().mkpath(folder);
    const QString lock = SingleInstance::lockFilePath(folder);

    Copy first(folder, "101");
    ASSERT_EQ(first.line(), "ready");
    ASSERT_TRUE(QFile::remove(lock));

    auto second = std::make_unique<Copy>(folder, "105");
    const QString said = second->line();
    if (said == "ready") {
        EXPECT_EQ(second->mark(), "marked");
    }
    second.reset();
    EXPECT_EQ(said, "raised");

    EXPECT_EQ(first.mark(), "marked");
    EXPECT_EQ(Disagreements(folder), "");
    EXPECT_EQ(Field(Record(folder, "marks2HM.txt", "FST"), 1), "1");
    // The running copy has made its lock file again.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            QFile file(lock);
            return file.open(QIODevice::ReadOnly) &&
                   file.readLine().trimmed().toLongLong() == first.pid();
        },
        5000));
}

TEST(CopiesOnOneFolder, LinksToAnotherFoldersResultsFilesBindThatFolder) {
    QTemporaryDir root;
    const QString a = root.filePath("a");
    const QString b = root.filePath("b");
    QDir().mkpath(a);
    QDir().mkpath(b);
    {
        Copy once(a, "101");
        ASSERT_EQ(once.line(), "ready");
    }
    for (const char* name : {"marks2HM.txt", "first2HM.txt", "second2HM.txt", "fresults2HM.txt",
                             "sresults2HM.txt", "trend2HM.txt"})
        ASSERT_TRUE(QFile::link(QDir(a).filePath(name), QDir(b).filePath(name)));

    auto first = std::make_unique<Copy>(a, "101");
    ASSERT_EQ(first->line(), "ready");
    auto second = std::make_unique<Copy>(b, "105");
    const QString said = second->line();
    if (said == "ready") {
        EXPECT_EQ(second->mark(), "marked");
    }
    second.reset();
    EXPECT_TRUE(said.startsWith("failed: ") && said.contains(QFileInfo(a).canonicalFilePath()))
        << said.toStdString();
    EXPECT_EQ(first->mark(), "marked");
    first.reset();
    EXPECT_EQ(Disagreements(a), "");

    // The other way round: with the linked folder's copy running, the folder its files are in
    // stays closed to a copy of its own.
    Copy linked(b, "102");
    ASSERT_EQ(linked.line(), "ready");
    Copy own(a, "103");
    EXPECT_TRUE(own.line().startsWith("silent: "));
    EXPECT_EQ(linked.mark(), "marked");
    EXPECT_EQ(Disagreements(a), "");
}

}  // namespace
