#include "assets/pictureadjustments.h"
#include "document/stripdata.h"

#include <gtest/gtest.h>

namespace zorvan::test {
namespace {

struct Crop {
    int cropX, cropY, originX, originY;
    friend bool operator==(const Crop &, const Crop &) = default;
};

std::ostream &operator<<(std::ostream &out, const Crop &c)
{
    return out << c.cropX << "/" << c.cropY << " at " << c.originX << "/" << c.originY;
}

StripData StripWith(const Crop &c)
{
    StripData strip;
    strip.SubImageFileName = QStringLiteral("/w/p.jpg");
    strip.SubImageCropPercentageX = c.cropX;
    strip.SubImageCropPercentageY = c.cropY;
    strip.SubImageCropOriginPercentageX = c.originX;
    strip.SubImageCropOriginPercentageY = c.originY;
    return strip;
}

Crop CropOf(const StripData &s)
{
    return {s.SubImageCropPercentageX, s.SubImageCropPercentageY, s.SubImageCropOriginPercentageX,
            s.SubImageCropOriginPercentageY};
}

TEST(Zoom, InStopsAt16)
{
    StripData strip = StripWith({100, 100, 0, 0});
    EXPECT_TRUE(ZoomIn(strip, ZoomAxis::Both));
    EXPECT_EQ(CropOf(strip), (Crop{96, 96, 2, 2}));
    for (int press = 2; press <= 21; ++press)
        EXPECT_TRUE(ZoomIn(strip, ZoomAxis::Both)) << press;
    EXPECT_EQ(CropOf(strip), (Crop{16, 16, 42, 42}));
    EXPECT_FALSE(ZoomIn(strip, ZoomAxis::Both));
    EXPECT_EQ(CropOf(strip), (Crop{16, 16, 42, 42}));
}

TEST(Zoom, BothAxesNeedBothAbove16)
{
    StripData strip = StripWith({16, 60, 42, 20});
    EXPECT_FALSE(ZoomIn(strip, ZoomAxis::Both));
    EXPECT_FALSE(ZoomIn(strip, ZoomAxis::Horizontal));
    EXPECT_TRUE(ZoomIn(strip, ZoomAxis::Vertical));
    EXPECT_EQ(CropOf(strip), (Crop{16, 56, 42, 22}));
}

TEST(Zoom, OutCases)
{
    const struct {
        Crop before;
        ZoomAxis axis;
        bool changed;
        Crop after;
    } cases[] = {
        // The origin may go below 0; the picture is then drawn whole.
        {{96, 96, 0, 0}, ZoomAxis::Both, true, {100, 100, -2, -2}},
        {{50, 50, 46, 46}, ZoomAxis::Both, true, {54, 54, 44, 44}},
        {{50, 50, 48, 48}, ZoomAxis::Both, true, {54, 54, 46, 46}},
        {{50, 50, 49, 49}, ZoomAxis::Both, true, {53, 53, 47, 47}},
        {{50, 50, 50, 50}, ZoomAxis::Both, false, {50, 50, 50, 50}},
        {{50, 40, 50, 10}, ZoomAxis::Both, false, {50, 40, 50, 10}},
        {{50, 40, 50, 10}, ZoomAxis::Vertical, true, {50, 44, 50, 8}},
        {{50, 40, 49, 10}, ZoomAxis::Horizontal, true, {53, 40, 47, 10}},
        {{100, 100, 0, 0}, ZoomAxis::Both, false, {100, 100, 0, 0}},
    };
    for (const auto &c : cases) {
        StripData strip = StripWith(c.before);
        EXPECT_EQ(ZoomOut(strip, c.axis), c.changed) << c.before;
        EXPECT_EQ(CropOf(strip), c.after) << c.before;
    }
}

TEST(Zoom, InAndOutOnOneAxisLeavesTheOther)
{
    StripData strip = StripWith({100, 100, 0, 0});
    EXPECT_TRUE(ZoomIn(strip, ZoomAxis::Horizontal));
    EXPECT_EQ(CropOf(strip), (Crop{96, 100, 2, 0}));
    EXPECT_TRUE(ZoomOut(strip, ZoomAxis::Horizontal));
    EXPECT_EQ(CropOf(strip), (Crop{100, 100, 0, 0}));
}

TEST(Pan, StepsAndLimits)
{
    const struct {
        Crop before;
        PanDirection direction;
        bool fine;
        bool moved;
        Crop after;
    } cases[] = {
        {{100, 50, 0, 46}, PanDirection::Lower, false, false, {100, 50, 0, 46}},
        {{100, 50, 0, 46}, PanDirection::Lower, true, true, {100, 50, 0, 47}},
        {{100, 50, 0, 40}, PanDirection::Lower, false, true, {100, 50, 0, 44}},
        {{100, 50, 0, 4}, PanDirection::Higher, false, false, {100, 50, 0, 4}},
        {{100, 50, 0, 5}, PanDirection::Higher, false, true, {100, 50, 0, 1}},
        {{100, 50, 0, 2}, PanDirection::Higher, true, true, {100, 50, 0, 1}},
        {{100, 50, 0, 1}, PanDirection::Higher, true, false, {100, 50, 0, 1}},
        {{50, 100, 45, 0}, PanDirection::Right, false, true, {50, 100, 49, 0}},
        {{50, 100, 49, 0}, PanDirection::Right, true, false, {50, 100, 49, 0}},
        {{50, 100, 20, 0}, PanDirection::Left, false, true, {50, 100, 16, 0}},
        {{50, 100, 4, 0}, PanDirection::Left, false, false, {50, 100, 4, 0}},
    };
    for (const auto &c : cases) {
        StripData strip = StripWith(c.before);
        EXPECT_EQ(Pan(strip, c.direction, c.fine), c.moved) << c.before << " dir " << int(c.direction);
        EXPECT_EQ(CropOf(strip), c.after) << c.before << " dir " << int(c.direction);
    }
}

TEST(Pan, ControlsFollowTheCrop)
{
    const struct {
        Crop crop;
        bool label, horizontal, vertical;
    } cases[] = {
        {{100, 100, 0, 0}, false, false, false},
        {{96, 100, 2, 0}, true, true, false},
        {{100, 96, 0, 2}, true, false, true},
        {{50, 50, 0, 0}, true, true, true},
    };
    for (const auto &c : cases) {
        const PanControls controls = PanControlsFor(StripWith(c.crop));
        EXPECT_EQ(controls.label, c.label) << c.crop;
        EXPECT_EQ(controls.horizontal, c.horizontal) << c.crop;
        EXPECT_EQ(controls.vertical, c.vertical) << c.crop;
    }
}

} // namespace
} // namespace zorvan::test
