// hmskin: draws the skin pictures of the program.
//   hmskin --out <dir>                 every picture as <dir>/<id>, in its file format
//   hmskin --contact-sheet <file.png>  one PNG with every picture, for review
//   hmskin --app-icons <dir> <name>    the program icon for an icon theme folder (hicolor)

#include "app_icons.h"
#include "contact_sheet.h"
#include "skin_set.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <cstdio>

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: hmskin --out <dir> | --contact-sheet <file.png> | --app-icons <dir> "
                 "<name>\n");
    return 2;
}

bool WritePng(const QImage& image, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QImageWriter writer(&file, "png");
    return writer.write(image) && file.commit();
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing needs no screen; the offscreen platform keeps the tool usable on build machines.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("--app-icons")) {
        QString error;
        if (!skin::WriteAppIcons(args[2], args[3], &error)) {
            std::fprintf(stderr, "hmskin: %s\n", qPrintable(error));
            return 1;
        }
        return 0;
    }
    if (args.size() != 3) return Usage();

    if (args[1] == QLatin1String("--out")) {
        QString error;
        if (!WriteSkin(args[2], &error)) {
            std::fprintf(stderr, "hmskin: %s\n", qPrintable(error));
            return 1;
        }
        return 0;
    }
    if (args[1] == QLatin1String("--contact-sheet")) {
        if (!WritePng(ContactSheet(), args[2])) {
            std::fprintf(stderr, "hmskin: cannot write %s\n", qPrintable(args[2]));
            return 1;
        }
        return 0;
    }
    return Usage();
}
