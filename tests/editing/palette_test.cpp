#include "editing/palette.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

TEST(Palette, NamesValuesAndIndexLookup)
{
    const auto &palette = PaletteEntries();
    struct Case {
        int index;
        const char *name;
        Colour value;
    };
    for (const Case &c : {Case{0, "Clear", kNoColour}, Case{1, "Black", 0x000000}, Case{2, "White", 0xFFFFFF},
                          Case{8, "Yellow", 0x00FFFF}, Case{17, "Red Brown", 0x053061}, Case{41, "Mint", 0xD1DE87}}) {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(palette[size_t(c.index)].name, c.name);
        EXPECT_EQ(palette[size_t(c.index)].value, c.value);
        EXPECT_EQ(PaletteIndexOf(c.value), c.index);
    }
    // Values are 0x00BBGGRR: "Orange" is red 237, green 110, blue 0.
    EXPECT_EQ(ColourRed(palette[11].value), 237);
    EXPECT_EQ(ColourGreen(palette[11].value), 110);
    EXPECT_EQ(ColourBlue(palette[11].value), 0);
    EXPECT_EQ(PaletteIndexOf(MakeColour(1, 2, 3)), kPaletteSize);
}

TEST(Palette, CaptionNameOutsideThePaletteGivesTheColourValues)
{
    EXPECT_EQ(ColourCaptionName(0x00FFFF), QStringLiteral("Yellow"));
    EXPECT_EQ(ColourCaptionName(MakeColour(12, 34, 56)), QStringLiteral("R 12, G 34, B 56"));
}

TEST(Palette, MarkerIsBlackOnClearAndLightColours)
{
    EXPECT_EQ(PaletteMarkerColour(0), kBlack);
    EXPECT_EQ(PaletteMarkerColour(8), kBlack);  // yellow: 510 > 383
    EXPECT_EQ(PaletteMarkerColour(17), kWhite); // red brown: 150
    EXPECT_EQ(PaletteMarkerColour(2), kBlack);
    EXPECT_EQ(PaletteMarkerColour(1), kWhite);
    EXPECT_EQ(PaletteMarkerColour(4), kBlack); // med grey: 384, just over
    EXPECT_EQ(PaletteMarkerColour(5), kWhite); // dark grey: 192
}

TEST(Palette, CellGeometry)
{
    // A box 120 wide: inner width 111, cells 18 apart and 16 wide.
    const PaletteCells cells = PaletteCellRects(QRect(10, 100, 120, 91));
    EXPECT_EQ(cells[0], QRect(14, 118, 16, 8));
    EXPECT_EQ(cells[1].left() - cells[0].left(), 18);
    EXPECT_EQ(cells[6], QRect(14, 128, 16, 8)); // second row: inner height 70 / 7 = 10 apart
    EXPECT_EQ(cells[41].topLeft(), QPoint(14 + 5 * 18, 118 + 6 * 10));
    EXPECT_EQ(PaletteCellAt(cells, QPoint(14, 118)), 0);
    EXPECT_EQ(PaletteCellAt(cells, QPoint(29, 125)), 0);
    EXPECT_EQ(PaletteCellAt(cells, QPoint(30, 125)), -1); // the gap between cells
    EXPECT_EQ(PaletteCellAt(cells, QPoint(32, 118)), 1);
    EXPECT_EQ(PaletteMarkerRect(cells[0]), QRect(14 - 2 + 8, 118 - 2 + 4, 4, 4));
}

TEST(Palette, DrawingShowsColoursMarkerAndGreyWhenDisabled)
{
    const PaletteCells cells = PaletteCellRects(QRect(0, 0, 120, 91));
    QImage image(130, 100, QImage::Format_RGB32);
    const auto pixel = [&image](const QPoint &p) { return QColor(image.pixel(p)); };
    for (bool enabled : {true, false}) {
        SCOPED_TRACE(enabled);
        image.fill(Qt::magenta);
        {
            QPainter painter(&image);
            DrawPalette(painter, cells, enabled, 8);
        }
        // "Clear": white framed in black, the same either way.
        EXPECT_EQ(pixel(cells[0].topLeft()), QColor(Qt::black));
        EXPECT_EQ(pixel(cells[0].topLeft() + QPoint(2, 2)), QColor(Qt::white));
        EXPECT_EQ(pixel(cells[11].topLeft()), enabled ? QColor(237, 110, 0) : QColor(192, 192, 192));
        const QPoint marker = PaletteMarkerRect(cells[8]).topLeft() + QPoint(1, 1);
        EXPECT_EQ(pixel(marker), enabled ? QColor(Qt::black) : QColor(192, 192, 192));
        EXPECT_EQ(pixel(QPoint(cells[0].right() + 1, cells[0].top())), QColor(Qt::magenta));
    }
}

} // namespace
} // namespace zorvan
