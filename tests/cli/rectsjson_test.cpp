#include "rectsjson.h"

#include "document/documentjson.h"
#include "document/menudata.h"
#include "render/previewrefresh.h"
#include "render/renderstate.h"

#include "tempdir.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <memory>

using namespace zorvan;

namespace {

QJsonObject Parse(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument d = QJsonDocument::fromJson(json, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return d.object();
}

QJsonArray Rect(const QRectF &r)
{
    return QJsonArray{r.x(), r.y(), r.width(), r.height()};
}

} // namespace

TEST(RectsJson, AddsTheRecordedRectanglesToEveryListedStrip)
{
    test::TempDir dir;
    QImage background(800, 400, QImage::Format_RGB32);
    background.fill(Qt::darkBlue);
    auto doc = std::make_unique<MenuData>();
    doc->BackgroundPath = dir.file("Background.png");
    ASSERT_TRUE(background.save(doc->BackgroundPath));
    doc->NumberOfColumns = 2;
    doc->NumberOfRows = 4;
    StripData &s = doc->strip(1, 2);
    s.MainItemTextParams.Text = "Burger";
    s.MainItemTextParams.Font = "DejaVu Sans";
    s.PricesTextParams.Text = "4.99^5.99";
    s.PricesTextParams.Font = "DejaVu Sans";
    doc->strip(0, 0).BackGroundColor = 0x00203040;

    auto state = std::make_unique<RenderState>();
    RunOutputRefresh(*state, *doc, BoardRect{0, 0, 1600, 900});
    const QByteArray raw = cli::DocumentJsonWithRects(*doc, "Background.jpg", *state);
    // Members keep their order: the rectangles follow the strip's own fields.
    EXPECT_TRUE(raw.contains("\"CaloriesSpacingFactor\": 3.8, \"Rects\": {\"Strip\": ["));
    EXPECT_TRUE(raw.contains("], \"SubItems\": [0, 0, 0, 0], \"Prices\": ["));
    const QJsonObject withRects = Parse(raw);
    const QJsonArray strips = withRects["Strips"].toArray();
    ASSERT_EQ(strips.size(), 2);

    const QJsonObject text = strips[1].toObject();
    EXPECT_EQ(text["Column"].toInt(), 1);
    const QJsonObject rects = text["Rects"].toObject();
    EXPECT_EQ(rects.keys(), QStringList({"MainItem", "Prices", "Strip", "SubItems"}));
    EXPECT_EQ(rects["Strip"].toArray(), Rect(state->stripScreenRects.at(1, 2)));
    EXPECT_EQ(rects["MainItem"].toArray(), Rect(state->textScreenRects.at(1, 2)[MainItem]));
    EXPECT_EQ(rects["Prices"].toArray(), Rect(state->textScreenRects.at(1, 2)[Prices]));
    EXPECT_GT(rects["MainItem"].toArray()[2].toDouble(), 0.0);
    EXPECT_EQ(rects["SubItems"].toArray(), QJsonArray({0, 0, 0, 0}));
    EXPECT_GT(text["PriceTabSpacing"].toInt(), 0);
    EXPECT_EQ(text["PriceTabSpacing"].toInt(), state->priceTabSpacing.at(1, 2));
    // A strip without prices records no tab spacing.
    EXPECT_EQ(strips[0].toObject()["PriceTabSpacing"].toInt(), 0);

    // Apart from the two members, exactly what the plain dump prints.
    QJsonObject stripped = withRects;
    QJsonArray plainStrips;
    for (const QJsonValue &v : strips) {
        QJsonObject o = v.toObject();
        o.remove("Rects");
        o.remove("PriceTabSpacing");
        plainStrips.append(o);
    }
    stripped["Strips"] = plainStrips;
    EXPECT_EQ(stripped, Parse(DocumentJson(*doc, "Background.jpg")));
}
