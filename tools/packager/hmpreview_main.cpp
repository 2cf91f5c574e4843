// hmpreview: pictures of question documents as the practice window's document view shows them,
// for reviewing the course's look.
//   hmpreview <out dir> <width> <height> <document>...   writes <out dir>/<document name>.png
//   hmpreview --solution <out dir> <width> <height> <question document>...
//                        the worked solutions of those questions (package file SolutionId(id))

#include "package_builder.h"
#include "platform/question_document_view.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QScrollBar>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool solutions = !args.isEmpty() && args.front() == QLatin1String("--solution");
    if (solutions) args.removeFirst();
    if (args.size() < 4) {
        std::fputs("usage: hmpreview [--solution] <out dir> <width> <height> <document>...\n", stderr);
        return 2;
    }
    for (qsizetype i = 3; solutions && i < args.size(); ++i) {
        const QFileInfo question(args[i]);
        args[i] = question.dir().filePath(QString::number(SolutionId(question.fileName().toInt())));
    }
    QDir().mkpath(args[0]);
    QuestionDocumentView view;
    view.resize(args[1].toInt(), args[2].toInt());
    view.show();
    int failures = 0;
    for (const QString& path : args.mid(3)) {
        if (!view.openDocument(path)) {
            std::fprintf(stderr, "%s\n", qPrintable(view.lastError()));
            ++failures;
            continue;
        }
        QApplication::processEvents();
        const bool scrolls = view.verticalScrollBar()->maximum() > 0;
        view.grab().save(QDir(args[0]).filePath(QFileInfo(path).fileName() + ".png"));
        std::printf("%s%s\n", qPrintable(QFileInfo(path).fileName()), scrolls ? " (scrolls)" : "");
    }
    return failures == 0 ? 0 : 1;
}
