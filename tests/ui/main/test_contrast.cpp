// Every text the windows draw on a coloured ground reaches a contrast ratio of 4.5:1 (3:1 for
// bold text of 14 pt and more and for disabled captions), measured on the real pictures: each
// text is drawn once as it is and once in a transparent colour, and its colour is compared with
// the ground under every pixel its glyphs cover.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <cmath>

#include "contents_fixture.h"
#include "platform/program_folder.h"
#include "ui/frame/frm_popup.h"
#include "ui/main/topic_entry.h"

namespace {

double Channel(int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(QColor c) {
    return 0.2126 * Channel(c.red()) + 0.7152 * Channel(c.green()) + 0.0722 * Channel(c.blue());
}

double Contrast(QColor a, QColor b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString TextOf(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* topic = qobject_cast<const TopicEntry*>(w)) return topic->text();
    return {};
}

// The worst contrast of each shown text of `window` with its ground, where it falls short.
QStringList TooFaint(QWidget& window, const char* state, int* checked = nullptr) {
    QStringList faint;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (!w->isVisible() || TextOf(w).trimmed().isEmpty()) continue;
        const QRect area(w->mapTo(&window, QPoint(0, 0)), w->size());
        const QPalette saved = w->palette();
        const QColor colour = saved.color(w->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                          w->foregroundRole());
        const QImage withText = window.grab(area).toImage();
        QPalette clear = saved;
        clear.setColor(w->foregroundRole(), Qt::transparent);
        w->setPalette(clear);
        const QImage ground = window.grab(area).toImage();
        w->setPalette(saved);

        double worst = 21;
        if (checked && withText != ground) ++*checked;
        for (int y = 0; y < ground.height(); ++y)
            for (int x = 0; x < ground.width(); ++x)
                if (withText.pixel(x, y) != ground.pixel(x, y))
                    worst = std::min(worst, Contrast(colour, ground.pixelColor(x, y)));
        const QFont f = w->font();
        const bool large = f.bold() && f.pointSizeF() >= 14;
        const double needed = large || !w->isEnabled() ? 3.0 : 4.5;
        if (worst < needed)
            faint << QStringLiteral("%1: %2 \"%3\" %4:1")
                         .arg(QLatin1String(state), w->objectName(), TextOf(w).left(30))
                         .arg(worst, 0, 'f', 2);
    }
    return faint;
}

}  // namespace

TEST_F(ContentsTest, EveryTextOfTheMainWindowAndTheDialogReadsOnItsGround) {
    {
        auto first = start();
        writeScores(*first, {"66.7", "100"}, {"80"});
    }
    auto c = start();
    int checked = 0;
    QStringList faint = TooFaint(*c, "Home", &checked);
    EXPECT_GT(checked, 40);  // the texts were found and drawn
    c->setSkinActive(false);
    faint += TooFaint(*c, "Home, inactive");
    c->setSkinActive(true);
    for (int page = 1; page <= 3; ++page) {
        c->toolbarClick(2);
        c->reportBarClick(page);
        faint += TooFaint(*c, "Report");
    }
    c->tabClick(4);
    faint += TooFaint(*c, "About");
    c->toolbarClick(2);
    faint += TooFaint(*c, "Erase");
    QTest::mouseClick(child(*c, QStringLiteral("ButTrash")), Qt::LeftButton);
    faint += TooFaint(*c, "Erase, confirm");

    FrmPopUp dialog(GraphicsFolder(m_folder));
    dialog.CallPop(QStringLiteral("Marking"),
                   QStringLiteral("Do you want to mark your practice now?"), 2, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    faint += TooFaint(dialog, "Dialog");
    EXPECT_TRUE(faint.isEmpty()) << qPrintable(faint.join(QLatin1Char('\n')));
}

TEST_F(ContentsTest, TheGoOfTheLoadButtonReadsInBothItsPictures) {
    auto c = start();
    for (const char* name : {"loadbutton_off.bmp", "loadbutton_on.bmp"}) {
        const QImage picture(GraphicsFolder(m_folder) + QLatin1Char('/') + QLatin1String(name));
        ASSERT_FALSE(picture.isNull()) << name;
        // The ground is a vertical gradient: each row's ground is the pill beside the arrow.
        double worst = 21;
        for (int y = 3; y < picture.height() - 3; ++y) {
            const QColor ground = picture.pixelColor(31, y);
            for (int x = 5; x < 22; ++x)
                if (Luminance(picture.pixelColor(x, y)) > 0.9)  // a glyph pixel
                    worst = std::min(worst, Contrast(Qt::white, ground));
        }
        EXPECT_GE(worst, 4.5) << name;
        EXPECT_LT(worst, 21) << name << ": no text found";
    }
}
