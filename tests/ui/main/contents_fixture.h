#pragma once
// The main window started from the embedded course, in a fresh program folder per test, with a
// stand-in for the practice window and the messages collected instead of shown.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "records/record_file.h"
#include "results/marks_file.h"
#include "results/results_files.h"
#include "ui/main/contents.h"

inline QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The colour a topic entry shows at the right end of its line, where no text reaches.
inline QColor Ground(QWidget* topic) {
    const QImage image = topic->grab().toImage();
    return image.pixelColor(image.width() - 5, image.height() / 2);
}

// Stands in for a practice window: records what the main window asks of it.
class FakePractice : public QWidget, public PracticeWindowHandle {
  public:
    FakePractice(ContentsChannel& contents, QStringList& log) : m_contents(contents), m_log(log) {
        m_paper = QString::number(contents.sharedFields().PaperNum);
        setAttribute(Qt::WA_DeleteOnClose);
    }
    QWidget* widget() override { return this; }
    bool unloadWithoutAsking() override {
        m_log << QStringLiteral("unload ") + m_paper;
        // As a paper whose answers cannot be saved, kept open by the learner.
        if (keepOpen) return false;
        closeAndRefresh();
        return true;
    }
    bool keepOpen = false;
    // What the window does when it closes on its own.
    void closeAndRefresh() {
        close();
        m_contents.RefreshContents();
    }

  private:
    ContentsChannel& m_contents;
    QStringList& m_log;
    QString m_paper;
};

class ContentsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_folder = m_dir.path() + QStringLiteral("/hmquiz");
        QDir().mkpath(m_folder);
    }

    std::unique_ptr<Contents> start(bool answerYes = false) {
        auto factory = [this](ContentsChannel& c, int take) -> PracticeWindowHandle* {
            m_log << QStringLiteral("open %1 %2").arg(c.sharedFields().PaperNum).arg(take);
            m_last = new FakePractice(c, m_log);
            return m_last;
        };
        auto contents = std::make_unique<Contents>(m_folder, factory);
        Contents::Prompts prompts;
        prompts.question = [this, answerYes](const QString& t, const QString& m) {
            m_messages << t + ": " + m;
            return answerYes;
        };
        prompts.warning = [this](const QString& t, const QString& m) {
            m_messages << t + ": " + m;
        };
        prompts.notice = prompts.warning;
        contents->setPrompts(prompts);
        EXPECT_FALSE(contents->startUp().has_value());
        contents->show();
        contents->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(contents.get()));
        return contents;
    }

    template <typename T = QWidget>
    static T* child(Contents& c, const QString& name) {
        T* w = c.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    static QString text(Contents& c, const QString& name) {
        QWidget* w = child(c, name);
        if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
        return qobject_cast<QLabel*>(w)->text();
    }

    QString resultsPath(ResultsFile file) const {
        return ResultsFilePath(m_folder, file, 2, QStringLiteral("HM"));
    }

    // Rewrites the marks file with the given first and second scores from paper 1 on.
    void writeScores(const Contents& c, const QStringList& first, const QStringList& second) {
        const int n = c.session().catalogue().module(2).paperCount;
        MarksRecords marks;
        for (int i = 0; i < n; ++i) {
            marks.fse << first.value(i);
            marks.sse << second.value(i);
            marks.ltm << QString();
            marks.cdd << QString();
            marks.fst << (first.value(i).isEmpty() ? AttemptStatus::NotMarked : AttemptStatus::Marked);
            marks.sst << (second.value(i).isEmpty() ? AttemptStatus::NotMarked
                                                    : AttemptStatus::Marked);
        }
        ASSERT_TRUE(WriteMarksFile(marks, n, resultsPath(ResultsFile::Marks)));
    }

    void expectTemplates() {
        for (ResultsFile file : kAllResultsFiles) {
            EXPECT_EQ(Bytes(resultsPath(file)), ResourceBytes(ResultsTemplateId(2, int(file))))
                << ResultsFileName(file, 2, QStringLiteral("HM")).toStdString();
        }
    }

    QTemporaryDir m_dir;
    QString m_folder;
    QStringList m_log;
    QStringList m_messages;
    FakePractice* m_last = nullptr;
};
