#include "document/menudata.h"
#include "document/striprectcache.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

using namespace zorvan;

namespace {

class FakeRects : public StripRectCache {
public:
    std::map<std::pair<int, int>, double> textLeft, pictureLeft;
    int forgotten = 0;
    double textRectLeft(int c, int r, int) const override
    {
        auto it = textLeft.find({c, r});
        return it == textLeft.end() ? 0.0 : it->second;
    }
    double pictureRectLeft(int c, int r) const override
    {
        auto it = pictureLeft.find({c, r});
        return it == pictureLeft.end() ? 0.0 : it->second;
    }
    void ForgetStripRects(int, int) override { ++forgotten; }
    void ForgetAllStripRects() override {}
};

} // namespace

TEST(MenuData, StartsWithTwoBySixteenAndPerBlockDefaults)
{
    MenuData doc;
    EXPECT_EQ(doc.NumberOfColumns, 2);
    EXPECT_EQ(doc.NumberOfRows, 16);
    const StripData &s = doc.strip(8, 200);
    EXPECT_EQ(s.BackGroundColor, kNoColour);
    EXPECT_EQ(s.CaloriesTextColor, 0x0000FFFFu);
    EXPECT_DOUBLE_EQ(s.SubItemsTextParams.Xref, 0.3);
    EXPECT_DOUBLE_EQ(s.SubItemsTextParams.Yref, 0.4);
    EXPECT_DOUBLE_EQ(s.SubItemsTextParams.ScaleFactor, 0.5);
    EXPECT_DOUBLE_EQ(s.PricesTextParams.Xref, 0.94);
    EXPECT_EQ(s.PricesTextParams.GroupAlignment, AlignRight);
    EXPECT_EQ(s.MainItemTextParams.Font, QStringLiteral("Arial"));
    EXPECT_EQ(s.SubImageCropPercentageX, 0);
    EXPECT_EQ(doc.StyleTemplate.PricesTextParams.TextColor, kWhite);
}

TEST(MenuData, ResetStripKeepsCropAndBrightness)
{
    StripData s;
    s.SubImageCropPercentageX = 70;
    s.SubImageCropOriginPercentageY = 12;
    s.SubImageBrightnessFactor = -5;
    s.SubImageFileName = QStringLiteral("/w/a.jpg");
    s.XSizeFactor = 3.0;
    s.PricesTextParams.Text = QStringLiteral("4.99");
    s.PricesTextParams.GroupAlignment = AlignLeft;
    ResetStrip(s);
    EXPECT_EQ(s.SubImageCropPercentageX, 70);
    EXPECT_EQ(s.SubImageCropOriginPercentageY, 12);
    EXPECT_EQ(s.SubImageBrightnessFactor, -5);
    EXPECT_TRUE(s.SubImageFileName.isEmpty());
    EXPECT_DOUBLE_EQ(s.XSizeFactor, 1.0);
    EXPECT_TRUE(s.PricesTextParams.Text.isEmpty());
    EXPECT_EQ(s.PricesTextParams.GroupAlignment, AlignRight);
}

TEST(MenuData, StripInUseTable)
{
    struct Case {
        const char *name;
        void (*change)(StripData &);
        bool inUse;
    };
    const Case cases[] = {
        {"fresh", [](StripData &) {}, false},
        {"fill colour", [](StripData &s) { s.BackGroundColor = 0x00123456; }, true},
        {"fill set to none", [](StripData &s) { s.BackGroundColor = kNoColour; }, false},
        {"black fill", [](StripData &s) { s.BackGroundColor = kBlack; }, true},
        {"frame without picture", [](StripData &s) { s.SubImageFrameIndex = 3; }, true},
        {"picture", [](StripData &s) { s.SubImageFileName = QStringLiteral("x.jpg"); }, true},
        {"sub items only", [](StripData &s) { s.SubItemsTextParams.Text = QStringLiteral("a"); }, true},
        {"prices only", [](StripData &s) { s.PricesTextParams.Text = QStringLiteral("1"); }, true},
        {"crop only", [](StripData &s) { s.SubImageCropPercentageX = 50; }, false},
    };
    for (const Case &c : cases) {
        StripData s;
        c.change(s);
        EXPECT_EQ(IsStripInUse(s), c.inUse) << c.name;
    }
}

TEST(MenuData, RemoveEmptyStripsResetsOnlyDrawnEmptyStrips)
{
    MenuData doc;
    FakeRects rects;
    // (0,0): only CR LF texts, drawn text rectangle -> removed.
    doc.strip(0, 0).MainItemTextParams.Text = QStringLiteral("\r\n");
    rects.textLeft[{0, 0}] = 12.0;
    // (0,1): CR LF text but never drawn, has a fill -> kept (texts emptied).
    doc.strip(0, 1).PricesTextParams.Text = QStringLiteral("\r\n");
    doc.strip(0, 1).BackGroundColor = 0x00FF0000;
    // (1,0): bare frame drawn -> removed.
    doc.strip(1, 0).SubImageFrameIndex = 2;
    rects.pictureLeft[{1, 0}] = 5.0;
    // (1,1): real text -> kept.
    doc.strip(1, 1).MainItemTextParams.Text = QStringLiteral("Burger");
    rects.textLeft[{1, 1}] = 40.0;
    // Outside the grid: never touched.
    doc.strip(5, 0).MainItemTextParams.Text = QStringLiteral("\r\n");
    rects.textLeft[{5, 0}] = 3.0;

    EXPECT_EQ(doc.RemoveEmptyStrips(rects), 2);
    EXPECT_FALSE(IsStripInUse(doc.strip(0, 0)));
    EXPECT_TRUE(IsStripInUse(doc.strip(0, 1)));
    EXPECT_TRUE(doc.strip(0, 1).PricesTextParams.Text.isEmpty());
    EXPECT_FALSE(IsStripInUse(doc.strip(1, 0)));
    EXPECT_EQ(doc.strip(1, 1).MainItemTextParams.Text, QStringLiteral("Burger"));
    EXPECT_EQ(doc.strip(5, 0).MainItemTextParams.Text, QStringLiteral("\r\n"));
    EXPECT_EQ(rects.forgotten, 2);
}
