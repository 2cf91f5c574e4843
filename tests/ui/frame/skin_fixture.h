#pragma once
// A Graphics folder of plain pictures with known sizes and one colour each, so a test can tell
// which picture a control shows.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

struct SkinFixture {
    QTemporaryDir dir;
    QString folder() const { return dir.path(); }

    static QColor ColourOf(const QString& name) {
        const size_t h = qHash(name);
        return QColor(int(h % 200) + 20, int((h / 200) % 200) + 20, int((h / 40000) % 200) + 20);
    }

    void add(const QString& name, QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(ColourOf(name));
        const QString format = name.endsWith(QLatin1String(".gif"))   ? QStringLiteral("PNG")
                               : name.endsWith(QLatin1String(".ico")) ? QStringLiteral("ICO")
                                                                      : QStringLiteral("BMP");
        image.save(dir.path() + QLatin1Char('/') + name, format.toLatin1().constData());
    }

    SkinFixture() {
        for (const char* set : {"border_top_", "border_white_top_"})
            for (const char* part : {"left", "center", "right"})
                add(QString::fromLatin1(set) + QString::fromLatin1(part) + QStringLiteral(".bmp"),
                    QSize(8, 30));
        add(QStringLiteral("border_left.bmp"), QSize(4, 8));
        add(QStringLiteral("border_right.bmp"), QSize(4, 8));
        add(QStringLiteral("border_left_corners.bmp"), QSize(4, 4));
        add(QStringLiteral("border_right_corners.bmp"), QSize(4, 4));
        add(QStringLiteral("border_bot.bmp"), QSize(8, 4));
        add(QStringLiteral("Border_bot_left.gif"), QSize(8, 8));
        add(QStringLiteral("Border_bot_right.gif"), QSize(8, 8));
        for (const char* set : {"prog_blue_", "prog_blueoff_", "prog_white_"})
            for (const char* kind : {"close", "min", "max", "norm"})
                add(QString::fromLatin1(set) + QString::fromLatin1(kind) + QStringLiteral(".bmp"),
                    QSize(26, 20));
        add(QStringLiteral("button_off.bmp"), QSize(80, 25));
        add(QStringLiteral("button_on.bmp"), QSize(80, 25));
        add(QStringLiteral("info_mark.gif"), QSize(32, 27));
        add(QStringLiteral("pencil.ico"), QSize(16, 16));
    }
};

class QWidget;
// The colour at the middle of what a control shows (defined in test_skinned_window.cpp).
QColor ShownColour(const QWidget* widget);
// The pointer enters (true) or leaves a control.
void Hover(QWidget* widget, bool over);
