#include "contact_sheet.h"

#include "draw_util.h"
#include "skin_names.h"
#include "skin_palette.h"
#include "skin_set.h"

#include <QPainterPath>
#include <QPolygon>
#include <QRegion>

using namespace skin;

namespace {

const QColor kDesk(92, 104, 122);

QImage Pic(const QString& name) {
    for (int id : SkinIds()) {
        if (SkinFileName(id) == name) return DrawSkinPicture(id).value(0);
    }
    return {};
}

void Caption(QPainter& p, const QRectF& r, const QString& text, int px = 11, bool bold = false,
             const QColor& colour = QColor(33, 52, 84), int align = Qt::AlignCenter) {
    p.setFont(SkinFont(px, bold));
    p.setPen(colour);
    p.drawText(r, align, text);
}

// Title strip, edges and corners for a window of w x h, as the frame layout places them.
void DrawFrame(QPainter& p, int w, int h, bool active, bool dialog, bool withTop = true) {
    const QString white = active ? QString() : QStringLiteral("white_");
    const QImage left = Pic("border_" + white + "top_left.bmp");
    const QImage centre = Pic("border_" + white + "top_center.bmp");
    const QImage right = Pic("border_" + white + "top_right.bmp");
    if (withTop) {
        p.drawImage(0, 0, left);
        for (int x = left.width(); x < w - right.width(); x += centre.width())
            p.drawImage(x, 0, centre);
        p.drawImage(w - right.width(), 0, right);
    }
    const QImage botLeft = dialog ? Pic("Border_bot_left.gif") : Pic("border_left_corners.bmp");
    const QImage botRight = dialog ? Pic("Border_bot_right.gif") : Pic("border_right_corners.bmp");
    const QImage edgeLeft = Pic("border_left.bmp");
    const QImage edgeRight = Pic("border_right.bmp");
    const QImage bottom = Pic("border_bot.bmp");
    const int top = left.height();
    p.drawImage(QRect(0, top, edgeLeft.width(), h - botLeft.height() - top), edgeLeft);
    p.drawImage(QRect(w - edgeRight.width(), top, edgeRight.width(), h - botRight.height() - top),
                edgeRight);
    p.drawImage(QRect(botLeft.width(), h - bottom.height(), w - botLeft.width() - botRight.width(),
                      bottom.height()),
                bottom);
    p.drawImage(0, h - botLeft.height(), botLeft);
    p.drawImage(w - botRight.width(), h - botRight.height(), botRight);
}

QImage ClipToOutline(const QImage& window, bool dialog) {
    const int w = window.width();
    const int h = window.height();
    QPolygon outline;
    outline << QPoint(0, 5) << QPoint(1, 3) << QPoint(2, 2) << QPoint(3, 1) << QPoint(5, 0)
            << QPoint(w - 5, 0) << QPoint(w - 3, 1) << QPoint(w - 2, 2) << QPoint(w - 2, 3)
            << QPoint(w, 5);
    if (dialog) {
        outline << QPoint(w, h - 7) << QPoint(w - 2, h - 3) << QPoint(w - 3, h - 2)
                << QPoint(w - 7, h) << QPoint(7, h) << QPoint(3, h - 2) << QPoint(2, h - 3)
                << QPoint(0, h - 7);
    } else {
        outline << QPoint(w, h) << QPoint(0, h);
    }
    QImage out = Canvas(w, h, kDesk);
    QPainter p(&out);
    p.setClipRegion(QRegion(outline, Qt::WindingFill));
    p.drawImage(0, 0, window);
    return out;
}

void ToolSlot(QPainter& p, int x, int y, const QString& picture, const QString& caption,
              bool disabled = false) {
    p.drawImage(x, y, Pic(picture));
    Caption(p, QRectF(x - 6, y + 37, 56, 14), caption, 11, false,
            disabled ? QColor(160, 164, 170) : QColor(33, 52, 84));
}

QImage DialogMock() {
    const int w = 265, h = 150;
    QImage img = Canvas(w, h, kChrome);
    QPainter p(&img);
    Smooth(p);
    DrawFrame(p, w, h, true, true);
    Caption(p, QRectF(16, 6, 120, 18), QStringLiteral("Marking"), 13, true, Qt::white,
            Qt::AlignLeft | Qt::AlignVCenter);
    p.drawImage(16, 46, Pic("info_mark.gif"));
    Caption(p, QRectF(58, 46, 192, 28), QStringLiteral("Do you want to mark your practice now?"),
            11, false, Qt::black, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    p.drawImage(58, 109, Pic("button_on.bmp"));
    p.drawImage(148, 109, Pic("button_off.bmp"));
    Caption(p, QRectF(58, 113, 81, 17), QStringLiteral("Yes"), 11, false, Qt::black);
    Caption(p, QRectF(148, 113, 81, 17), QStringLiteral("No"), 11, false, Qt::black);
    p.end();
    return ClipToOutline(img, true);
}

QImage PracticeStripMock(bool marked) {
    const int w = 600, h = 56 + 120;
    QImage img = Canvas(w, h, kChrome);
    QPainter p(&img);
    Smooth(p);
    const QString save = marked ? "save_disabled.bmp" : "save_off.bmp";
    const QString mark = marked ? "mark_disabled.bmp" : "mark_on.bmp";
    ToolSlot(p, 8, 3, save, "Save", marked);
    ToolSlot(p, 60, 3, mark, "Mark", marked);
    ToolSlot(p, 112, 3, "print_pressed.bmp", "Print");
    ToolSlot(p, 164, 3, "close_off.bmp", "Close");
    p.drawImage(w - 273, 4, Pic("pen.bmp"));
    Caption(p, QRectF(w - 233, 4, 80, 36), QStringLiteral("12 / 30"), 13, true, QColor(33, 52, 84),
            Qt::AlignLeft | Qt::AlignVCenter);
    ToolSlot(p, w - 104, 3, marked ? "back_off.bmp" : "back_disabled.bmp", "Back", !marked);
    ToolSlot(p, w - 52, 3, "forward_off.bmp", "Next");
    // The question area, the handle strip and the answer sheet below the toolbar.
    p.fillRect(QRect(0, 56, w - 190, 90), Qt::white);
    Caption(p, QRectF(12, 64, 300, 16), QStringLiteral("Question 1"), 13, true, kBlueDeep,
            Qt::AlignLeft | Qt::AlignVCenter);
    p.drawImage(QRect(0, 146, w - 190, 30), Pic(marked ? "bottombg1.bmp" : "bottombg3.bmp"));
    p.drawImage(w - 190 + 1, 56 + 30, Pic("Handle.bmp"));
    p.drawImage(w - 12, h - 12, Pic("statusgrabber.bmp"));
    Caption(p, QRectF(w - 170, 62, 160, 16), QStringLiteral("(a)"), 11, false, Qt::black,
            Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(QPen(kBlueLight, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(w - 146.5, 60.5, 105, 20));
    return img;
}

void HomeView(QPainter& p, int x0, int y0) {
    static const char* topics[] = {
        "Whole Numbers",  "Decimals", "Fractions",  "Area and Perimeter",
        "Volume",         "Geometry", "Percentage", "Ratio and Proportions",
        "Rate and Speed", "Algebra"};
    p.fillRect(QRect(x0, y0, 401, 377), Qt::white);
    p.drawImage(x0, y0, Pic("columnhead1.bmp"));
    p.drawImage(x0 + 166, y0, Pic("columnhead2.bmp"));
    Caption(p, QRectF(x0 + 8, y0, 150, 25), QStringLiteral("Select a Topic"), 12, true, Qt::white,
            Qt::AlignLeft | Qt::AlignVCenter);
    Caption(p, QRectF(x0 + 174, y0, 200, 25), QStringLiteral("Select a Paper"), 12, true, Qt::white,
            Qt::AlignLeft | Qt::AlignVCenter);
    for (int i = 0; i < 10; ++i) {
        const int top = y0 + 40 + 32 * i;
        p.drawImage(x0 + 8, top + 1, Pic("bullet.bmp"));
        if (i == 2) p.fillRect(QRect(x0 + 24, top, 136, 14), QColor(128, 128, 128));
        Caption(p, QRectF(x0 + 26, top, 136, 14), QString::fromLatin1(topics[i]), 11, false,
                Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
    }
    Caption(p, QRectF(x0 + 176, y0 + 24, 217, 33), QStringLiteral("Fractions"), 15, true,
            QColor(0, 0, 128), Qt::AlignLeft | Qt::AlignVCenter);
    const char* scores[] = {"88.8", "100", "45", "", ""};
    for (int j = 0; j < 5; ++j) {
        const int top = y0 + 64 + 64 * j;
        Caption(p, QRectF(x0 + 176, top, 60, 14), QStringLiteral("Paper %1").arg(j + 1), 11, true,
                Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
        for (int row = 0; row < 2; ++row) {
            const int y = top + 16 + 16 * row;
            const bool second = row == 1;
            if (!second || (scores[j][0] && QString(scores[j]) != "100"))
                p.drawImage(x0 + 200, y,
                            Pic(j == 0 && !second ? "loadbutton_on.bmp" : "loadbutton_off.bmp"));
            Caption(p, QRectF(x0 + 240, y, 80, 14), second ? "2nd Attempt:" : "1st Attempt:", 11,
                    false, Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
            Caption(p, QRectF(x0 + 300, y, 34, 14), second ? "" : scores[j], 11, true, Qt::black,
                    Qt::AlignRight | Qt::AlignVCenter);
            Caption(p, QRectF(x0 + 336, y, 9, 14), "%", 11, false, Qt::black,
                    Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
}

QImage Enlarged(const QImage& image, int scale) {
    return image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage Checkers(const QSize& size) {
    QImage img = Canvas(size.width(), size.height(), QColor(236, 236, 236));
    QPainter p(&img);
    for (int y = 0; y < size.height(); y += 8)
        for (int x = (y / 8 % 2) * 8; x < size.width(); x += 16)
            p.fillRect(x, y, 8, 8, QColor(210, 210, 210));
    return img;
}

// The other views of the main window, as the pictures dress them.
QImage ReportViewMock() {
    QImage img = Canvas(401, 260, Qt::white);
    QPainter p(&img);
    Smooth(p);
    const QImage bar = Pic("bar.bmp");
    const char* titles[] = {"Overall Results", "Topical Results", "Trend Analysis"};
    const int tops[] = {0, 22, 238};
    for (int i = 0; i < 3; ++i) {
        p.drawImage(0, tops[i], bar);
        Caption(p, QRectF(8, tops[i], 300, 22), QString::fromLatin1(titles[i]), 12, true,
                QColor(33, 52, 84), Qt::AlignLeft | Qt::AlignVCenter);
    }
    const char* topics[] = {"Whole Numbers", "Decimals", "Fractions", "Area and Perimeter"};
    const double first[] = {77.5, 100, 45, 0};
    const double second[] = {90, 0, 62.5, 0};
    for (int i = 0; i < 4; ++i) {
        const int y = 56 + 44 * i;
        Caption(p, QRectF(10, y, 130, 18), QString::fromLatin1(topics[i]), 11, false, Qt::black,
                Qt::AlignLeft | Qt::AlignVCenter);
        for (int k = 0; k < 2; ++k) {
            const QRectF track(140 + 130 * k, y, 120, 18);
            p.setPen(QColor(200, 206, 214));
            p.setBrush(Qt::white);
            p.drawRect(track);
            const double value = k == 0 ? first[i] : second[i];
            p.fillRect(QRectF(track.left() + 0.5, track.top() + 0.5, 119 * value / 100, 17.5),
                       k == 0 ? QColor(255, 192, 255) : QColor(192, 192, 255));
            if (value > 0) Caption(p, track, QString::number(value) + "%", 11, false, Qt::black);
        }
    }
    return img;
}

QImage EraseViewMock() {
    QImage img = Canvas(401, 150, Qt::white);
    QPainter p(&img);
    Smooth(p);
    Caption(p, QRectF(136, 40, 121, 17), QStringLiteral("Are you sure?"), 12, true, Qt::black);
    p.drawImage(104, 80, Pic("button_on.bmp"));
    p.drawImage(200, 80, Pic("button_off.bmp"));
    Caption(p, QRectF(104, 84, 81, 17), QStringLiteral("No"), 11, false, Qt::black);
    Caption(p, QRectF(200, 84, 81, 17), QStringLiteral("Yes"), 11, false, Qt::black);
    return img;
}

QImage AboutViewMock() {
    QImage img = Canvas(401, 150, Qt::white);
    QPainter p(&img);
    Smooth(p);
    p.drawImage(14, 15, Pic("Logo.gif"));
    Caption(p, QRectF(150, 30, 240, 24), QStringLiteral("Home Maths Quiz"), 18, true, kBlueDeep,
            Qt::AlignLeft | Qt::AlignVCenter);
    Caption(p, QRectF(150, 60, 240, 16), QStringLiteral("Version 2.0"), 12, false, Qt::black,
            Qt::AlignLeft | Qt::AlignVCenter);
    Caption(p, QRectF(150, 78, 240, 16), QStringLiteral("For Windows"), 12, false, Qt::black,
            Qt::AlignLeft | Qt::AlignVCenter);
    const QImage hand = DrawSkinPicture(87).value(0);
    Caption(p, QRectF(150, 104, 240, 16), QStringLiteral("www.example.com/eduprog.html"), 12, false,
            QColor(0, 0, 238), Qt::AlignLeft | Qt::AlignVCenter);
    p.drawImage(236, 108, hand);
    return img;
}

// The marking panel halfway through its animation.
QImage MarkingPanelMock() {
    QImage img = Canvas(200, 25, Qt::white);
    QPainter p(&img);
    p.drawImage(QRect(0, 0, 200, 25), Pic("bar.bmp"));
    const QImage cell = Pic("progressbar.bmp");
    for (int i = 0; i < 9; ++i) p.drawImage(QPointF(3.33 + 13 * i, 3), cell);
    return img;
}

}  // namespace

QImage MainWindowMock(bool active) {
    const int w = 405, h = 492;
    QImage img = Canvas(w, h, kChrome);
    QPainter p(&img);
    Smooth(p);
    DrawFrame(p, w, h, active, false);
    p.drawImage(9, 7, DrawSkinPicture(85).value(0));
    Caption(p, QRectF(30, 6, 300, 18), QStringLiteral("Home Maths Quiz"), 13, true,
            active ? Qt::white : kInactiveTitleText, Qt::AlignLeft | Qt::AlignVCenter);
    const QString set = active ? "blueoff" : "white";
    p.drawImage(w - 26 - 4, 5, Pic("prog_" + set + "_close.bmp"));
    p.drawImage(w - 26 - 4 - 26 - 2, 5,
                Pic("prog_" + (active ? QString("blue") : set) + "_min.bmp"));

    const char* toolbar[][2] = {{"home_off.bmp", "Home"},
                                {"report_on.bmp", "Report"},
                                {"print_off.bmp", "Print"},
                                {"close_off.bmp", "Close"}};
    for (int i = 0; i < 4; ++i) ToolSlot(p, 8 + 52 * i, 34, toolbar[i][0], toolbar[i][1]);
    Caption(p, QRectF(230, 40, 165, 40), QStringLiteral("Home Maths Quiz"), 16, true, kBlueDeep,
            Qt::AlignRight | Qt::AlignVCenter);

    // Inactive tab behind the strip, active tab in front of it.
    p.drawImage(98, 96, Pic("tabs_back_on.bmp"));
    Caption(p, QRectF(98, 96, 96, 24), QStringLiteral("Help"), 12, true, QColor(33, 52, 84));
    p.fillRect(QRect(4, 120, w - 8, 24), kChrome);
    p.fillRect(QRect(4, 134, w - 8, 1), QColor(190, 204, 222));
    p.drawImage(6, 94, Pic("tabs_front_off.bmp"));
    Caption(p, QRectF(6, 95, 96, 25), QStringLiteral("Practice"), 12, true, QColor(33, 52, 84));

    HomeView(p, 4, 144);
    // The view runs under the bottom edge, so the edges go on top again.
    DrawFrame(p, w, h, active, false, false);
    p.end();
    return ClipToOutline(img, false);
}

QImage ContactSheet() {
    constexpr int kWidth = 1880;
    constexpr int kMockHeight = 1340;
    constexpr int kPad = 10;
    struct Cell {
        int id;
        QImage image;
        int scale;
    };
    QList<Cell> cells;
    for (int id : SkinIds()) {
        const QImage image = DrawSkinPicture(id).value(0);
        const int scale = qBound(1, qMin(200 / image.width(), 120 / image.height()), 6);
        cells.append({id, image, scale});
    }

    // Flow the cells into rows first, to know the sheet's height.
    QList<QList<Cell>> rows;
    int x = kPad;
    for (const Cell& c : cells) {
        const int cw = qMax(200, c.image.width() * c.scale) + kPad;
        if (rows.isEmpty() || x + cw > kWidth) {
            rows.append(QList<Cell>());
            x = kPad;
        }
        rows.last().append(c);
        x += cw;
    }
    int height = 60;
    for (const auto& row : rows) {
        int rh = 0;
        for (const Cell& c : row) rh = qMax(rh, c.image.height() * c.scale);
        height += rh + 40;
    }
    const int mockTop = height;
    height += kMockHeight;

    QImage sheet = Canvas(kWidth, height, QColor(250, 250, 250));
    QPainter p(&sheet);
    Smooth(p);
    Caption(p, QRectF(kPad, 10, 1000, 30), QStringLiteral("hmskin contact sheet: 89 pictures"), 20,
            true, Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
    int y = 60;
    for (const auto& row : rows) {
        int rh = 0;
        x = kPad;
        for (const Cell& c : row) {
            const QImage big = Enlarged(c.image, c.scale);
            if (c.image.hasAlphaChannel() && SkinFormatOf(c.id) == SkinFormat::Ico)
                p.drawImage(x, y, Checkers(big.size()));
            p.drawImage(x, y, big);
            p.setPen(QColor(200, 200, 200));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(x - 0.5, y - 0.5, big.width() + 1, big.height() + 1));
            const QString label =
                QStringLiteral("%1  %2  %3x%4%5")
                    .arg(c.id)
                    .arg(SkinFileName(c.id))
                    .arg(c.image.width())
                    .arg(c.image.height())
                    .arg(c.scale > 1 ? QStringLiteral("  (x%1)").arg(c.scale) : QString());
            rh = qMax(rh, big.height());
            Caption(p, QRectF(x, y + big.height() + 2, 260, 14), label, 11, false, Qt::black,
                    Qt::AlignLeft | Qt::AlignTop);
            x += qMax(200, big.width()) + kPad;
        }
        y += rh + 40;
    }

    // The pieces put together, at 1x and as a 2x screen shows them.
    const QImage active = MainWindowMock(true);
    const QImage inactive = MainWindowMock(false);
    const QImage dialog = DialogMock();
    y = mockTop;
    Caption(p, QRectF(kPad, y, 1800, 20),
            QStringLiteral(
                "Put together: main window active and inactive (1x) and active at 2x "
                "(smooth, as QT_SCALE_FACTOR=2 shows it); dialog 1x and 2x; practice "
                "toolbar while answering and once marked; report, erase and about views; the "
                "marking panel at 2x"),
            14, true, Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
    y += 30;
    p.fillRect(QRect(0, y, kWidth, kMockHeight - 30), kDesk);
    p.drawImage(kPad, y + 10, active);
    p.drawImage(kPad, y + 10 + active.height() + 10, inactive);
    const int x2 = kPad + active.width() + 20;
    p.drawImage(x2, y + 10,
                active.scaled(active.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    const int x3 = x2 + active.width() * 2 + 20;
    p.drawImage(x3, y + 10, dialog);
    p.drawImage(x3, y + 10 + dialog.height() + 10,
                dialog.scaled(dialog.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    const int y3 = y + 10 + dialog.height() * 3 + 30;
    const QImage answering = PracticeStripMock(false);
    p.drawImage(x3, y3, answering);
    p.drawImage(x3, y3 + answering.height() + 10, PracticeStripMock(true));

    // Report, Erase and About views, and the marking panel (2x).
    const int y4 = y + 20 + active.height() * 2 + 20;
    int x4 = kPad;
    for (const QImage& view : {ReportViewMock(), EraseViewMock(), AboutViewMock()}) {
        p.drawImage(x4, y4, view);
        x4 += view.width() + 20;
    }
    const QImage marking = MarkingPanelMock();
    p.drawImage(x4, y4,
                marking.scaled(marking.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    return sheet;
}
