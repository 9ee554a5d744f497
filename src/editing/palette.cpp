#include "editing/palette.h"

#include <QColor>
#include <QPainter>

namespace zorvan {

namespace {

const std::array<PaletteEntry, kPaletteSize> kPalette{{
    {"Clear", 0x00010000},       {"Black", 0x00000000},       {"White", 0x00FFFFFF},
    {"Light Gray", 0x00B4B4B4},  {"Med Gray", 0x00808080},    {"Dark Gray", 0x00404040},
    {"Beige", 0x00B5D6E0},       {"Pale Yellow", 0x00CDFFFF}, {"Yellow", 0x0000FFFF},
    {"Med Yellow", 0x0000CCFF},  {"Gold", 0x003399CC},        {"Orange", 0x00006EED},
    {"Tan", 0x00669EBA},         {"Copper", 0x003970AB},      {"Terra Cotta", 0x0005529E},
    {"Light Brown", 0x00384D7D}, {"Dark Brown", 0x0024334F},  {"Red Brown", 0x00053061},
    {"Warm Red", 0x002940F5},    {"Bright Red", 0x002E0DE6},  {"Ruby", 0x002E1CB0},
    {"Brick Red", 0x002B299E},   {"Raspberry", 0x004F03A7},   {"Burgundy", 0x003D1C7A},
    {"Lime", 0x0000D48F},        {"Apple", 0x0000A84F},       {"Green", 0x00459600},
    {"Frog", 0x00008F6B},        {"Olive", 0x0005787D},       {"Dark Green", 0x00367300},
    {"Ice Blue", 0x00E0B573},    {"Periwinkle", 0x00DEAB7A},  {"Electric Blue", 0x00C76E00},
    {"Cobalt", 0x00823000},      {"Teal", 0x007A6900},        {"Jade", 0x007D8700},
    {"Hot Pink", 0x00AD6EE8},    {"Lite Purple", 0x00D691B5}, {"Violet", 0x00A10066},
    {"Lilac", 0x00C745AB},       {"Plum", 0x006B126F},        {"Mint", 0x00D1DE87},
}};

constexpr int kColumns = 6;
constexpr int kRows = 7;

QColor ToQColor(Colour c)
{
    return QColor(ColourRed(c), ColourGreen(c), ColourBlue(c));
}

} // namespace

const std::array<PaletteEntry, kPaletteSize> &PaletteEntries()
{
    return kPalette;
}

int PaletteIndexOf(Colour colour)
{
    for (int i = 0; i < kPaletteSize; ++i)
        if (kPalette[size_t(i)].value == colour)
            return i;
    return kPaletteSize;
}

QString ColourCaptionName(Colour colour)
{
    const int index = PaletteIndexOf(colour);
    if (index < kPaletteSize)
        return QString::fromLatin1(kPalette[size_t(index)].name);
    return QStringLiteral("R %1, G %2, B %3").arg(ColourRed(colour)).arg(ColourGreen(colour)).arg(ColourBlue(colour));
}

PaletteCells PaletteCellRects(const QRect &groupBox)
{
    const int innerLeft = groupBox.left() + 4;
    const int innerTop = groupBox.top() + 16;
    const int innerWidth = groupBox.width() - 4 - 5;
    const int innerHeight = groupBox.height() - 16 - 5;
    const int w = innerWidth / kColumns;
    const int h = innerHeight / kRows;
    PaletteCells cells;
    for (int i = 0; i < kPaletteSize; ++i) {
        const int left = innerLeft + (i % kColumns) * w;
        const int top = innerTop + 2 + ((i / kColumns) % kRows) * h;
        cells[size_t(i)] = QRect(left, top, w - 2, h - 2);
    }
    return cells;
}

int PaletteCellAt(const PaletteCells &cells, const QPoint &point)
{
    for (int i = 0; i < kPaletteSize; ++i)
        if (cells[size_t(i)].contains(point))
            return i;
    return -1;
}

Colour PaletteMarkerColour(int index)
{
    if (index <= 0 || index >= kPaletteSize)
        return kBlack;
    const Colour c = kPalette[size_t(index)].value;
    return ColourRed(c) + ColourGreen(c) + ColourBlue(c) > 383 ? kBlack : kWhite;
}

QRect PaletteMarkerRect(const QRect &cell)
{
    return QRect(cell.left() - 2 + cell.width() / 2, cell.top() - 2 + cell.height() / 2, 4, 4);
}

void DrawPalette(QPainter &painter, const PaletteCells &cells, bool enabled, int activeIndex)
{
    const QRect clear = cells[0];
    painter.fillRect(clear, Qt::black);
    painter.fillRect(clear.adjusted(1, 1, -1, -1), Qt::white);
    for (int i = 1; i < kPaletteSize; ++i)
        painter.fillRect(cells[size_t(i)], enabled ? ToQColor(kPalette[size_t(i)].value) : QColor(192, 192, 192));
    if (enabled && activeIndex >= 0 && activeIndex < kPaletteSize)
        painter.fillRect(PaletteMarkerRect(cells[size_t(activeIndex)]), ToQColor(PaletteMarkerColour(activeIndex)));
}

} // namespace zorvan
