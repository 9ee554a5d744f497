#include "document/layouttext.h"

#include "document/elementscan.h"
#include "document/layoutvalues.h"
#include "document/menudata.h"
#include "document/striptagindex.h"

namespace zorvan {

namespace {

// A damaged file can hold spacing factors so far apart that 0.2 steps would
// take practically forever; after this many steps the factor is set directly.
constexpr int kMaxSpacingSteps = 100000;

// Elements read from a text block, in the order the writer puts them.
enum BlockElement {
    BlockText, BlockTextColor, BlockDropShadowColor, BlockFont, BlockXref, BlockYref, BlockScaleFactor,
    BlockLineSpacingFactor, BlockBold, BlockItalics, BlockCenterInStrip, BlockGroupAlignment, BlockElementCount
};
constexpr QStringView kBlockElements[BlockElementCount] = {
    u"Text", u"TextColor", u"DropShadowColor", u"Font", u"Xref", u"Yref", u"ScaleFactor",
    u"LineSpacingFactor", u"Bold", u"Italics", u"CenterInStrip", u"GroupAlignment"};

// Elements read from a strip, the legacy ones included.
enum StripElement {
    StripBackGroundColor, StripCaloriesTextColor, StripCaloriesItalics, StripPriceTabSpacingFactor,
    StripCaloriesSpacingFactor, StripSubImageFileName, StripImageHiddenOnWhite, StripSubImageFrameIndex,
    StripSubImageCropPercentage, StripSubImageCropPercentageX, StripSubImageCropPercentageY,
    StripSubImageCropOriginPercentageX, StripSubImageCropOriginPercentageY, StripSubImageBrightnessFactor,
    StripDropShadowColor, StripXOffsetFactor, StripYOffsetFactor, StripXSizeFactor, StripYSizeFactor,
    StripMainItemTextParams, StripSubItemsTextParams, StripPricesTextParams, StripElementCount
};
constexpr QStringView kStripElements[StripElementCount] = {
    u"BackGroundColor", u"CaloriesTextColor", u"CaloriesItalics", u"PriceTabSpacingFactor",
    u"CaloriesSpacingFactor", u"SubImageFileName", u"ImageHiddenOnWhite", u"SubImageFrameIndex",
    u"SubImageCropPercentage", u"SubImageCropPercentageX", u"SubImageCropPercentageY",
    u"SubImageCropOriginPercentageX", u"SubImageCropOriginPercentageY", u"SubImageBrightnessFactor",
    u"DropShadowColor", u"XOffsetFactor", u"YOffsetFactor", u"XSizeFactor", u"YSizeFactor",
    u"MainItemTextParams", u"SubItemsTextParams", u"PricesTextParams"};

static_assert(StripElementCount <= ElementScan::kMaxNames && BlockElementCount <= ElementScan::kMaxNames);

void ReadTextBlock(QStringView value, TextParams &block, bool prices, QStringView stripShadow)
{
    const ElementScan e(value, kBlockElements);
    QString text = e.value(BlockText).toString();
    if (prices)
        text.replace(u'\\', u'>');
    if (text.isEmpty()) {
        ResetTextParams(block);
        return;
    }
    if (prices && text.endsWith(u' '))
        text.chop(1);
    block.Text = text;
    block.TextColor = ReadLayoutColour(e.value(BlockTextColor));
    const QStringView shadow = e.value(BlockDropShadowColor);
    block.DropShadowColor = ReadLayoutColour(shadow.isEmpty() ? stripShadow : shadow);
    block.Font = e.value(BlockFont).toString();
    block.Xref = ReadLayoutReal(e.value(BlockXref));
    block.Yref = ReadLayoutReal(e.value(BlockYref));
    block.ScaleFactor = ReadLayoutReal(e.value(BlockScaleFactor));
    const QStringView spacing = e.value(BlockLineSpacingFactor);
    block.LineSpacingFactor = spacing.isEmpty() ? 1.0 : ReadLayoutReal(spacing);
    block.Bold = ReadLayoutBoolean(e.value(BlockBold));
    block.Italics = ReadLayoutBoolean(e.value(BlockItalics));
    block.CenterInStrip = ReadLayoutBoolean(e.value(BlockCenterInStrip));
    block.GroupAlignment = ReadLayoutAlignment(e.value(BlockGroupAlignment));
}

double ReadSpacing(QStringView value, double whenZero)
{
    const double spacing = ReadLayoutReal(value);
    return spacing == 0.0 ? whenZero : spacing;
}

int ReadCropPercentage(QStringView value)
{
    return value.isEmpty() ? 100 : ReadLayoutInteger(value);
}

void ReadStrip(QStringView value, StripData &s, const LayoutReadOptions &options)
{
    const ElementScan e(value, kStripElements);
    s.BackGroundColor = ReadLayoutColour(e.value(StripBackGroundColor));
    s.PriceTabSpacingFactor = ReadSpacing(e.value(StripPriceTabSpacingFactor), 8.0);
    s.CaloriesSpacingFactor = ReadSpacing(e.value(StripCaloriesSpacingFactor), 3.8);

    QString picture = e.value(StripSubImageFileName).toString();
    if (!picture.isEmpty() && options.resolvePicturePath)
        picture = options.resolvePicturePath(picture);
    s.SubImageFileName = picture;
    s.ImageHiddenOnWhite = ReadLayoutBoolean(e.value(StripImageHiddenOnWhite));
    s.SubImageFrameIndex = ReadLayoutInteger(e.value(StripSubImageFrameIndex));

    // Older files kept one crop percentage for both axes.
    const QStringView crop = e.value(StripSubImageCropPercentage);
    if (!crop.isEmpty()) {
        s.SubImageCropPercentageX = s.SubImageCropPercentageY = ReadLayoutInteger(crop);
    } else {
        s.SubImageCropPercentageX = ReadCropPercentage(e.value(StripSubImageCropPercentageX));
        s.SubImageCropPercentageY = ReadCropPercentage(e.value(StripSubImageCropPercentageY));
    }
    s.SubImageCropOriginPercentageX = ReadLayoutInteger(e.value(StripSubImageCropOriginPercentageX));
    s.SubImageCropOriginPercentageY = ReadLayoutInteger(e.value(StripSubImageCropOriginPercentageY));
    s.SubImageBrightnessFactor = ReadLayoutInteger(e.value(StripSubImageBrightnessFactor));

    // Older files kept one shadow colour for the whole strip; it stands in for
    // any block without its own. The first one anywhere in the strip counts,
    // which in newer files is the main item's.
    const QStringView stripShadow = e.value(StripDropShadowColor);

    s.XOffsetFactor = ReadLayoutReal(e.value(StripXOffsetFactor));
    s.YOffsetFactor = ReadLayoutReal(e.value(StripYOffsetFactor));
    s.XSizeFactor = ReadLayoutReal(e.value(StripXSizeFactor));
    s.YSizeFactor = ReadLayoutReal(e.value(StripYSizeFactor));

    const QStringView main = e.value(StripMainItemTextParams);
    if (!main.isEmpty())
        ReadTextBlock(main, s.MainItemTextParams, false, stripShadow);
    const QStringView subItems = e.value(StripSubItemsTextParams);
    if (!subItems.isEmpty())
        ReadTextBlock(subItems, s.SubItemsTextParams, false, stripShadow);
    const QStringView prices = e.value(StripPricesTextParams);
    if (!prices.isEmpty()) {
        ReadTextBlock(prices, s.PricesTextParams, true, stripShadow);
        FitPriceSpacing(s);
        s.PricesTextParams.Text = NormalisePriceTabs(s.PricesTextParams.Text);
    }

    const QStringView calories = e.value(StripCaloriesTextColor);
    s.CaloriesTextColor = calories.isEmpty() ? s.PricesTextParams.TextColor : ReadLayoutColour(calories);
    s.CaloriesItalics = ReadLayoutBoolean(e.value(StripCaloriesItalics));

    for (int k = 0; k < kTextItemCount; ++k)
        if (s.block(k).Text == u" ")
            s.block(k).Text.clear();
}

QString GridSizeError(QStringView columnsValue, QStringView rowsValue, int columns, int rows)
{
    if (columnsValue.isEmpty() && rowsValue.isEmpty())
        return QStringLiteral("not a layout file (no NumberOfColumns or NumberOfRows)");
    return QStringLiteral("not a usable layout: %1 columns by %2 rows (a layout has 1 to %3 columns and 1 to %4 rows)")
        .arg(columns)
        .arg(rows)
        .arg(kMaxColumns)
        .arg(kMaxRows);
}

} // namespace

QString NormalisePriceTabs(const QString &prices)
{
    if (!prices.contains(u'^'))
        return prices;
    QString text = prices;
    // One pass leaves "^^" behind where three carets stood in a row; after the
    // second none is left.
    text.replace(QStringLiteral("^^"), QStringLiteral("^ ^"));
    text.replace(QStringLiteral("^^"), QStringLiteral("^ ^"));
    text.replace(QStringLiteral("^\r"), QStringLiteral("^ \r"));
    if (text.endsWith(u'^'))
        text += u' ';
    return text;
}

void FitPriceSpacing(StripData &strip)
{
    double &tab = strip.PriceTabSpacingFactor;
    double &calories = strip.CaloriesSpacingFactor;
    const bool carets = strip.PricesTextParams.Text.contains(u'^');
    for (int step = 0; step < kMaxSpacingSteps && calories > 0.7 * tab; ++step) {
        if (carets)
            calories -= 0.2;
        else
            tab += 0.2;
    }
    if (calories > 0.7 * tab) {
        if (carets)
            calories = 0.7 * tab;
        else
            tab = calories / 0.7;
    }
}

LayoutReadResult ReadLayoutText(const QString &stored, MenuData &doc, const LayoutReadOptions &options)
{
    const QString plain = UnscrambleLayoutText(stored);
    const QStringView text = plain;
    LayoutReadResult result;

    const QStringView columnsValue = FindElementValue(text, u"NumberOfColumns");
    const QStringView rowsValue = FindElementValue(text, u"NumberOfRows");
    const int columns = ReadLayoutInteger(columnsValue);
    const int rows = ReadLayoutInteger(rowsValue);
    // Checked before anything is stored, so a refused file leaves the open
    // layout as it was.
    if (columns < 1 || columns > kMaxColumns || rows < 1 || rows > kMaxRows) {
        result.error = GridSizeError(columnsValue, rowsValue, columns, rows);
        return result;
    }

    result.whitePrintBackground = ReadLayoutBoolean(FindElementValue(text, u"WhitePrintBackground"));
    result.backgroundFileName = FindElementValue(text, u"BackgroundFileName").toString();

    doc.NumberOfColumns = columns;
    doc.NumberOfRows = rows;
    doc.WhitePrintBackground = result.whitePrintBackground;
    doc.ResetStyleTemplate();
    doc.ResetAllStrips(options.paletteColour);

    const StripTagIndex strips(text, columns, rows);
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            const QStringView value = strips.value(c, r);
            if (!value.isEmpty())
                ReadStrip(value, doc.strip(c, r), options);
        }
    }
    result.ok = true;
    return result;
}

} // namespace zorvan
