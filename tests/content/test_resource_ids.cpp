#include "content/resource_ids.h"

#include <QSet>

#include <gtest/gtest.h>

TEST(ResourceIds, SkinPicturesSkipTheUnusedIdsAndKeepTheirNames) {
    const QList<int> ids = GraphicIds();
    ASSERT_EQ(ids.size(), 89);
    EXPECT_EQ(ids.first(), 1);
    EXPECT_EQ(ids.last(), 92);
    EXPECT_TRUE(ids.contains(37));
    EXPECT_TRUE(ids.contains(41));
    for (int unused : {38, 39, 40}) {
        EXPECT_FALSE(ids.contains(unused));
        EXPECT_TRUE(GraphicFileName(unused).isEmpty());
    }
    // The names on both sides of the gap and at the ends of each picture type.
    EXPECT_EQ(GraphicFileName(1), "about_off.bmp");
    EXPECT_EQ(GraphicFileName(37), "trash_pressed.bmp");
    EXPECT_EQ(GraphicFileName(41), "tabs_back_off.bmp");
    EXPECT_EQ(GraphicFileName(84), "bar.bmp");
    EXPECT_EQ(GraphicFileName(85), "VTicon.ico");
    EXPECT_EQ(GraphicFileName(88), "info_mark.gif");
    EXPECT_EQ(GraphicFileName(92), "Border_bot_right.gif");
    EXPECT_TRUE(GraphicFileName(0).isEmpty());
    EXPECT_TRUE(GraphicFileName(93).isEmpty());

    QSet<QString> names;
    for (int id : ids) names.insert(GraphicFileName(id));
    EXPECT_EQ(names.size(), 89);
}

TEST(ResourceIds, ModuleTablesAndTemplates) {
    EXPECT_EQ(PaperTableId(2), 30022);
    EXPECT_EQ(AnswerKeyId(2), 30023);
    EXPECT_EQ(AnswerKindTableId(2), 30024);
    EXPECT_EQ(MarksTableId(2), 30025);
    EXPECT_EQ(ResultsTemplateId(2, 1), 30121);
    EXPECT_EQ(ResultsTemplateId(2, 6), 30126);
    EXPECT_EQ(PaperTableId(1), 30012);
    EXPECT_EQ(ResultsTemplateId(3, 6), 30136);
}
