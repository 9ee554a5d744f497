#include "document/documentjson.h"

#include "document/jsonwriter.h"
#include "document/menudata.h"

namespace zorvan {

QByteArray DocumentJson(const MenuData &doc, const QString &backgroundFileName)
{
    JsonWriter json;
    WriteDocumentJson(json, doc, backgroundFileName);
    return json.text();
}

void WriteDocumentJson(JsonWriter &json, const MenuData &doc, const QString &backgroundFileName)
{
    json.beginObject();
    json.member(u"NumberOfColumns", doc.NumberOfColumns);
    json.member(u"NumberOfRows", doc.NumberOfRows);
    json.member(u"WhitePrintBackground", doc.WhitePrintBackground);
    json.member(u"BackgroundFileName", QStringView(backgroundFileName));
    json.member(u"BackgroundPath", QStringView(doc.BackgroundPath));
    json.key(u"Strips");
    json.beginArray();
    for (int c = 0; c < doc.NumberOfColumns && c < kMaxColumns; ++c) {
        for (int r = 0; r < doc.NumberOfRows && r < kMaxRows; ++r) {
            const StripData &s = doc.strip(c, r);
            if (!IsStripInUse(s))
                continue;
            json.beginObject();
            json.member(u"Column", c);
            json.member(u"Row", r);
            WriteStripJson(json, s);
            json.endObject();
        }
    }
    json.endArray();
    json.endObject();
}

void WriteStripJson(JsonWriter &json, const StripData &s)
{
    json.member(u"BackGroundColor", s.BackGroundColor);
    json.member(u"CaloriesTextColor", s.CaloriesTextColor);
    json.member(u"CaloriesItalics", s.CaloriesItalics);
    json.member(u"SubImageFileName", QStringView(s.SubImageFileName));
    json.member(u"SubImageFrameIndex", s.SubImageFrameIndex);
    json.member(u"ImageHiddenOnWhite", s.ImageHiddenOnWhite);
    json.member(u"SubImageCropPercentageX", s.SubImageCropPercentageX);
    json.member(u"SubImageCropPercentageY", s.SubImageCropPercentageY);
    json.member(u"SubImageCropOriginPercentageX", s.SubImageCropOriginPercentageX);
    json.member(u"SubImageCropOriginPercentageY", s.SubImageCropOriginPercentageY);
    json.member(u"SubImageBrightnessFactor", s.SubImageBrightnessFactor);
    json.member(u"XOffsetFactor", s.XOffsetFactor);
    json.member(u"YOffsetFactor", s.YOffsetFactor);
    json.member(u"XSizeFactor", s.XSizeFactor);
    json.member(u"YSizeFactor", s.YSizeFactor);
    const QStringView blockNames[kTextItemCount] = {u"MainItemTextParams", u"SubItemsTextParams", u"PricesTextParams"};
    for (int k = 0; k < kTextItemCount; ++k) {
        json.key(blockNames[k]);
        json.beginObject();
        WriteTextParamsJson(json, s.block(k));
        json.endObject();
    }
    json.member(u"PriceTabSpacingFactor", s.PriceTabSpacingFactor);
    json.member(u"CaloriesSpacingFactor", s.CaloriesSpacingFactor);
}

void WriteTextParamsJson(JsonWriter &json, const TextParams &b)
{
    json.member(u"Xref", b.Xref);
    json.member(u"Yref", b.Yref);
    json.member(u"Font", QStringView(b.Font));
    json.member(u"ScaleFactor", b.ScaleFactor);
    json.member(u"Italics", b.Italics);
    json.member(u"Bold", b.Bold);
    json.member(u"CenterInStrip", b.CenterInStrip);
    json.member(u"GroupAlignment", b.GroupAlignment);
    json.member(u"TextColor", b.TextColor);
    json.member(u"DropShadowColor", b.DropShadowColor);
    json.member(u"Text", QStringView(b.Text));
    json.member(u"LineSpacingFactor", b.LineSpacingFactor);
}

} // namespace zorvan
