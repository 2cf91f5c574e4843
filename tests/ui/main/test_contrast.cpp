// Every text the windows draw on a coloured ground reaches a contrast ratio of 4.5:1 (3:1 for
// bold text of 14 pt and more and for disabled captions), measured on the real pictures: each
// text is drawn once as it is and once in a transparent colour, and its colour is compared with
// the ground under every pixel its glyphs cover.
#include <gtest/gtest.h>

#include <QImage>

#include "../contrast_check.h"
#include "contents_fixture.h"
#include "platform/program_folder.h"
#include "ui/frame/frm_popup.h"
#include "ui/main/topic_entry.h"

using namespace contrast;

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
