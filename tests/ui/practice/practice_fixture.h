// Shared by the practice window tests: a stand-in for the main window's channel, papers made up
// for a test (content tables plus results files in a private program folder), and a hand that
// answers the modal pop-ups.
#pragma once

#include <sys/resource.h>

#include <csignal>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <ostream>

#include "content/extract_resource.h"
#include "content/paper_content.h"
#include "content/resource_ids.h"
#include "platform/program_folder.h"
#include "ui/frame/contents_channel.h"
#include "ui/practice/practice_window.h"

// Failure messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

class FakeContents : public ContentsChannel {
  public:
    explicit FakeContents(const QString& folder)
        : folder_(folder), window_([&] {
              SkinnedWindow::Skin skin;
              skin.graphicsFolder = GraphicsFolder(folder);
              return skin;
          }()) {
        fields.LChose = 2;
        fields.lblCOD = QStringLiteral("HM");
        fields.TtPapersCon = 50;
        fields.TopicCount = 1;
        fields.SubH1 = QStringLiteral("Whole Numbers");
        fields.PaperNum = 101;
        fields.TakeNum = 1;
    }
    const SharedFields& sharedFields() const override { return fields; }
    void RefreshContents() override { ++refreshes; }
    QString programFolder() const override { return folder_; }
    SkinnedWindow* contentsWindow() override { return &window_; }
    int refreshes = 0;
    SharedFields fields;

  private:
    QString folder_;
    SkinnedWindow window_;
};

// A file size limit stands in for a full disk, for root too: every write past `bytes` fails.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

  private:
    rlimit saved_{};
};

// One made-up part: kind, marks, key.
struct TestPart {
    QString kind;
    int marks;
    QString key;
};
using TestQuestion = QList<TestPart>;

inline QString FileText(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromLatin1(f.readAll());
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Question ids that the course package holds, so the question document can be written.
inline QStringList PackageQuestionIds(int count) {
    QStringList ids;
    for (int id = kFirstQuestionId; id <= kLastQuestionId && ids.size() < count; ++id)
        if (ResourceExists(id)) ids.append(QString::number(id));
    return ids;
}

class PracticeFixture {
  public:
    PracticeFixture() : contents(dir.path()) {}

    // Content of the paper under test; questions get package ids where there are enough.
    void setPaper(const QList<TestQuestion>& questions) {
        content = PaperContent{};
        const QStringList packaged = PackageQuestionIds(static_cast<int>(questions.size()));
        for (int q = 0; q < questions.size(); ++q) {
            content.questionIds.append(q < packaged.size() ? packaged[q]
                                                           : QString::number(29000 + q));
            content.partsPerQuestion.append(static_cast<int>(questions[q].size()));
            for (const TestPart& p : questions[q]) {
                content.kinds.append(p.kind);
                content.marks.append(QString::number(p.marks));
                content.keys.append(p.key);
            }
        }
        writeResultsFiles();
    }

    int partCount() const { return static_cast<int>(content.keys.size()); }
    QString path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }

    // The six files of module 2 as the templates have them, every paper with this paper's parts.
    void writeResultsFiles() {
        QByteArray perPaper = "...\r\n";
        for (int i = 1; i <= 50; ++i)
            perPaper +=
                "#" + QByteArray::number(100 + i) + "#" + QByteArray(partCount(), '>') + "\r\n";
        perPaper += "...";
        for (const char* name :
             {"first2HM.txt", "second2HM.txt", "fresults2HM.txt", "sresults2HM.txt"})
            WriteFile(path(QLatin1String(name)), perPaper);
        QByteArray marks = "...\r\n";
        for (const char* key : {"FSE", "SSE", "LTM", "CDD"})
            marks += QByteArray("#") + key + "#" + QByteArray(50, '>') + "\r\n";
        for (const char* key : {"FST", "SST"})
            marks += QByteArray("#") + key + "#" + QByteArray(">0").repeated(50) + "\r\n";
        marks += "...";
        WriteFile(path("marks2HM.txt"), marks);
        WriteFile(path("trend2HM.txt"), "#TRD#");
    }

    // Replaces the record of paper `paper` in a per-paper file with these fields.
    void setRecord(const QString& file, int paper, const QStringList& fields) {
        QStringList lines = FileText(path(file)).split(QStringLiteral("\r\n"));
        const QString key = QStringLiteral("#%1#").arg(paper);
        for (QString& line : lines)
            if (line.startsWith(key)) line = key + QLatin1Char('>') + fields.join(QLatin1Char('>'));
        WriteFile(path(file), lines.join(QStringLiteral("\r\n")).toLatin1());
    }

    // Sets one field of the marks file, paper index `i`.
    void setMarksField(const QString& key, int i, const QString& value) {
        QStringList lines = FileText(path("marks2HM.txt")).split(QStringLiteral("\r\n"));
        for (QString& line : lines) {
            if (!line.startsWith(QLatin1Char('#') + key + QLatin1Char('#'))) continue;
            QStringList parts = line.split(QLatin1Char('>'));
            parts[i] = value;
            line = parts.join(QLatin1Char('>'));
        }
        WriteFile(path("marks2HM.txt"), lines.join(QStringLiteral("\r\n")).toLatin1());
    }

    PracticeWindow* open(int take = 1, int paper = 101) {
        contents.fields.PaperNum = paper;
        contents.fields.TakeNum = take;
        PracticeWindow::Options options;
        options.markBarPauseMs = 0;
        options.content = content;
        options.now = [this] { return now; };
        auto* w = new PracticeWindow(contents, take, options);
        if (!w->LoadPractice()) {
            delete w;
            return nullptr;
        }
        w->show();
        window = w;
        return w;
    }

    // The record line of paper `paper` in the results file `file`.
    QString record(const char* file, int paper) const {
        for (const QString& line :
             FileText(path(QLatin1String(file))).split(QStringLiteral("\r\n")))
            if (line.startsWith(QStringLiteral("#%1#").arg(paper))) return line;
        return QString();
    }

    QStringList questionFiles() const {
        return QDir(dir.path()).entryList({QStringLiteral("temppaper*.mht")}, QDir::Files);
    }

    QTemporaryDir dir;
    FakeContents contents;
    PaperContent content;
    QDateTime now = QDateTime(QDate(2026, 3, 14), QTime(9, 0, 0));
    QPointer<PracticeWindow> window;
};

// Answers every frmPopUp and "Invalid operation" box that comes up, in turn: true presses the
// first button (Yes / OK), false the second (No). Records "title|message" of each.
class PopupHand : public QObject {
  public:
    explicit PopupHand(QList<bool> answers) : answers_(std::move(answers)) {
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start(10);
    }
    QStringList seen;

  private:
    void poll() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible()) continue;
            if (w->objectName() == QLatin1String("frmPopUp")) {
                auto* title = w->findChild<QLabel*>(QStringLiteral("lblTitle"));
                auto* message = w->findChild<QLabel*>(QStringLiteral("lblMessage"));
                seen.append((title ? title->text() : QString()) + QLatin1Char('|') +
                            (message ? message->text() : QString()));
                const bool yes = answers_.isEmpty() ? true : answers_.takeFirst();
                auto* button =
                    w->findChild<QWidget*>(yes ? QStringLiteral("But1") : QStringLiteral("But2"));
                if (button) QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                seen.append(box->windowTitle() + QLatin1Char('|') + box->text());
                box->accept();
                return;
            }
        }
    }
    QList<bool> answers_;
    QTimer timer_;
};
