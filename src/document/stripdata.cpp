#include "document/stripdata.h"

namespace zorvan {

namespace {
void ApplyBlockDefaults(StripData &strip)
{
    strip.MainItemTextParams.ScaleFactor = 1.0;
    strip.MainItemTextParams.LineSpacingFactor = 1.0;
    strip.SubItemsTextParams.Xref = 0.3;
    strip.SubItemsTextParams.Yref = 0.4;
    strip.SubItemsTextParams.ScaleFactor = 0.5;
    strip.SubItemsTextParams.LineSpacingFactor = 1.0;
    strip.PricesTextParams.Xref = 0.94;
    strip.PricesTextParams.GroupAlignment = AlignRight;
    strip.PricesTextParams.LineSpacingFactor = 1.0;
}
} // namespace

StripData::StripData()
{
    ApplyBlockDefaults(*this);
}

TextParams &StripData::block(int textItem)
{
    switch (textItem) {
    case SubItems: return SubItemsTextParams;
    case Prices: return PricesTextParams;
    default: return MainItemTextParams;
    }
}

const TextParams &StripData::block(int textItem) const
{
    return const_cast<StripData *>(this)->block(textItem);
}

const char *PictureFrameName(int frameIndex)
{
    static const char *const names[kPictureFrameCount] = {
        "None", "Black Thin", "Black Med", "Black Wide", "White Thin",
        "White Med", "White Wide", "Grey Thin", "Grey Med", "Grey Wide"};
    if (frameIndex < 0 || frameIndex >= kPictureFrameCount)
        return "";
    return names[frameIndex];
}

void ResetStrip(StripData &strip)
{
    strip.BackGroundColor = kNoColour;
    strip.PriceTabSpacingFactor = 8.0;
    strip.CaloriesSpacingFactor = 3.8;
    strip.CaloriesTextColor = 0x0000FFFF;
    strip.CaloriesItalics = false;
    strip.SubImageFileName.clear();
    strip.SubImageFrameIndex = 0;
    strip.ImageHiddenOnWhite = false;
    strip.XOffsetFactor = 0.0;
    strip.YOffsetFactor = 0.0;
    strip.XSizeFactor = 1.0;
    strip.YSizeFactor = 1.0;
    for (int k = 0; k < kTextItemCount; ++k)
        ResetTextParams(strip.block(k));
    ApplyBlockDefaults(strip);
}

bool IsStripInUse(const StripData &strip)
{
    return !(strip.MainItemTextParams.Text.isEmpty() && strip.SubImageFrameIndex == 0
             && strip.SubItemsTextParams.Text.isEmpty() && strip.PricesTextParams.Text.isEmpty()
             && strip.SubImageFileName.isEmpty() && strip.BackGroundColor == kNoColour);
}

bool StripHasText(const StripData &strip)
{
    return !strip.MainItemTextParams.Text.isEmpty() || !strip.SubItemsTextParams.Text.isEmpty()
           || !strip.PricesTextParams.Text.isEmpty();
}

} // namespace zorvan
