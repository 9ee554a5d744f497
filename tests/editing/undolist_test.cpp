#include "editing/undolist.h"

#include <gtest/gtest.h>

namespace zorvan {
namespace {

TEST(StripsEqualTest, OnlyTheDerivedFieldsAreIgnored)
{
    StripData base;
    base.MainItemTextParams.Text = QStringLiteral("Burger");

    StripData hidden = base;
    hidden.ImageHiddenOnWhite = !base.ImageHiddenOnWhite;
    hidden.SubImageCropPercentageX = 40;
    hidden.SubImageCropPercentageY = 7;
    EXPECT_TRUE(StripsEqual(base, hidden));

    StripData renamed = base;
    renamed.MainItemTextParams.Text = QStringLiteral("Burger ");
    EXPECT_FALSE(StripsEqual(base, renamed));

    StripData nudged = base;
    nudged.SubImageFrameIndex = base.SubImageFrameIndex + 1;
    EXPECT_FALSE(StripsEqual(base, nudged));
}

} // namespace
} // namespace zorvan
