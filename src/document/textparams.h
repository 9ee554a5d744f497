#pragma once

#include "document/colour.h"

#include <QString>

namespace zorvan {

enum GroupAlignmentValue { AlignLeft = 0, AlignCenter = 1, AlignRight = 2 };

// Which of a strip's three text blocks.
enum TextItem { MainItem = 0, SubItems = 1, Prices = 2 };
inline constexpr int kTextItemCount = 3;

// One text block of a strip. Xref and Yref count cell widths and heights from
// the strip box's top-left corner.
struct TextParams {
    double Xref = 0.0;
    double Yref = 0.0;
    QString Font = QStringLiteral("Arial");
    double ScaleFactor = 1.0;
    bool Italics = false;
    bool Bold = false;
    bool CenterInStrip = false;
    int GroupAlignment = AlignLeft;
    Colour TextColor = kWhite;
    Colour DropShadowColor = kNoColour;
    QString Text; // lines separated by CR LF
    double LineSpacingFactor = 1.0;

    friend bool operator==(const TextParams &, const TextParams &) = default;
};

void ResetTextParams(TextParams &block);

} // namespace zorvan
