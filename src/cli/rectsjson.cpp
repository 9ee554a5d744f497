#include "rectsjson.h"

#include "document/documentjson.h"
#include "document/jsonwriter.h"
#include "document/menudata.h"
#include "render/renderstate.h"

#include <QRectF>

namespace zorvan::cli {

namespace {

void WriteRect(JsonWriter &json, QStringView name, const QRectF &r)
{
    json.key(name);
    json.beginArray();
    json.value(r.x());
    json.value(r.y());
    json.value(r.width());
    json.value(r.height());
    json.endArray();
}

void WriteRects(JsonWriter &json, const RenderState &state, int column, int row)
{
    json.key(u"Rects");
    json.beginObject();
    WriteRect(json, u"Strip", state.stripScreenRects.at(column, row));
    const auto &text = state.textScreenRects.at(column, row);
    WriteRect(json, u"MainItem", text[MainItem]);
    WriteRect(json, u"SubItems", text[SubItems]);
    WriteRect(json, u"Prices", text[Prices]);
    json.endObject();
    json.member(u"PriceTabSpacing", state.priceTabSpacing.at(column, row));
}

} // namespace

QByteArray DocumentJsonWithRects(const MenuData &doc, const QString &backgroundFileName, const RenderState &state)
{
    // The same members, in the same order, as the plain dump; the rectangles
    // follow each strip's own fields.
    JsonWriter json;
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
            WriteRects(json, state, c, r);
            json.endObject();
        }
    }
    json.endArray();
    json.endObject();
    return json.text();
}

} // namespace zorvan::cli
