// hmvalidate: checks a course package.
//   hmvalidate <package dir>            the consistency rules and the full course's figures
//   hmvalidate --rules <package dir>    the consistency rules only (a smaller course)
//   hmvalidate [--rules] --embedded     the same for the package linked into this program
// Prints one problem per line and exits 1 when there is any.

#include "course_validator.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool rulesOnly = !args.isEmpty() && args.first() == QLatin1String("--rules");
    if (rulesOnly) args.removeFirst();
    const bool embedded = args.size() == 1 && args.first() == QLatin1String("--embedded");
    if (args.size() != 1 || (!embedded && !QDir(args.first()).exists())) {
        std::fputs("usage: hmvalidate [--rules] <package dir> | [--rules] --embedded\n", stderr);
        return 2;
    }
    const PackageReader read =
        embedded ? EmbeddedPackageReader() : PackageFolderReader(args.first());
    const QStringList problems = rulesOnly ? CheckPackageRules(read) : CheckCourseFigures(read);
    for (const QString& problem : problems) std::printf("%s\n", qPrintable(problem));
    if (problems.isEmpty())
        std::printf("%s: the package keeps every rule\n", qPrintable(args.first()));
    return problems.isEmpty() ? 0 : 1;
}
