// hmpack: builds the course package.
//   hmpack --course <course dir> --out <package dir>   the package, updating an older one
//   hmpack --qrc <package dir> <qrc file>              the resource collection of a package

#include "course_source.h"
#include "package_builder.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

namespace {

int Usage() {
    std::fputs("usage: hmpack --course <course dir> --out <package dir>\n"
               "       hmpack --qrc <package dir> <qrc file>\n",
               stderr);
    return 2;
}

int Fail(const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    // Figures need fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);

    if (args.size() == 3 && args[0] == QLatin1String("--qrc")) {
        QSaveFile file(args[2]);
        const QByteArray qrc = PackageQrc(args[1]);
        if (!file.open(QIODevice::WriteOnly) || file.write(qrc) != qrc.size() || !file.commit())
            return Fail(args[2] + QStringLiteral(": cannot be written"));
        return 0;
    }
    if (args.size() != 4 || args[0] != QLatin1String("--course") || args[2] != QLatin1String("--out")) return Usage();

    SourceError error;
    const auto course = ReadCourse(args[1], error);
    if (!course) return Fail(error.message);
    QString writeError;
    if (!WritePackage(*course, args[3], writeError)) return Fail(writeError);
    return 0;
}
