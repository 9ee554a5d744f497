#pragma once

#include "document/menudata.h"
#include "render/renderstate.h"
#include "render/striptextpainter.h"
#include "render/textfont.h"

#include <QImage>
#include <QPainter>

#include <functional>

#include <gtest/gtest.h>

namespace zorvan::test {

// A 800 x 400 board at 96 dpi shown 1:1, two columns of four rows: every cell
// is 400 x 100 pixels. Strips are drawn through the text step alone.
class TextStepTest : public ::testing::Test {
protected:
    static constexpr double kCellW = 400.0;
    static constexpr double kCellH = 100.0;

    MenuData doc;
    RenderState state;
    QImage image{800, 400, QImage::Format_RGB32};

    void SetUp() override;

    StripData &strip(int column = 0, int row = 0) { return doc.strip(column, row); }
    TextParams &prices(int column = 0, int row = 0) { return doc.strip(column, row).PricesTextParams; }
    // The strip's box in graphics space.
    QRectF box(int column = 0, int row = 0) const;
    void draw(int column = 0, int row = 0);
    QImage drawn(int column = 0, int row = 0);
    void setBoard(double ratio, int left, int top);

    // A prices block in a known face and size: em 36.8 pixels.
    TextParams &setPrices(const QString &text, int alignment = AlignRight, int column = 0, int row = 0);
    TextFont pricesFont(int column = 0, int row = 0) const;
    double spaceWidth(const TextFont &font) const;
    double digitWidth(const TextFont &font) const;
    double anchorX(int column = 0, int row = 0) const;
};

// Bounds of the pixels that pass the test; empty when none do.
QRect InkBounds(const QImage &img, const std::function<bool(QRgb)> &test);
QRect InkBounds(const QImage &img, const QRect &within, const std::function<bool(QRgb)> &test);
bool IsReddish(QRgb p);
bool IsGreenish(QRgb p);
bool IsBluish(QRgb p);
bool IsLit(QRgb p);

inline constexpr Colour kRed = 0x000000FF;
inline constexpr Colour kGreen = 0x0000FF00;
inline constexpr Colour kBlue = 0x00FF0000;

} // namespace zorvan::test
