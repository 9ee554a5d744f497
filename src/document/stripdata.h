#pragma once

#include "document/textparams.h"

#include <QString>

namespace zorvan {

// One cell of the grid: box, picture and three text blocks. Field names are the
// element names of the layout text.
struct StripData {
    Colour BackGroundColor = kNoColour;
    Colour CaloriesTextColor = 0x0000FFFF;
    bool CaloriesItalics = false;
    QString SubImageFileName;
    int SubImageFrameIndex = 0;
    bool ImageHiddenOnWhite = false;
    // The crop and brightness numbers start at 0 and survive ResetStrip.
    int SubImageCropPercentageX = 0;
    int SubImageCropPercentageY = 0;
    int SubImageCropOriginPercentageX = 0;
    int SubImageCropOriginPercentageY = 0;
    int SubImageBrightnessFactor = 0;
    double XOffsetFactor = 0.0;
    double YOffsetFactor = 0.0;
    double XSizeFactor = 1.0;
    double YSizeFactor = 1.0;
    TextParams MainItemTextParams;
    TextParams SubItemsTextParams;
    TextParams PricesTextParams;
    double PriceTabSpacingFactor = 8.0;
    double CaloriesSpacingFactor = 3.8;

    StripData();

    TextParams &block(int textItem);
    const TextParams &block(int textItem) const;

    friend bool operator==(const StripData &, const StripData &) = default;
};

// Names of the "Picture Frame" list, by frame index.
inline constexpr int kPictureFrameCount = 10;
const char *PictureFrameName(int frameIndex);

void ResetStrip(StripData &strip);
bool IsStripInUse(const StripData &strip);
bool StripHasText(const StripData &strip);

} // namespace zorvan
