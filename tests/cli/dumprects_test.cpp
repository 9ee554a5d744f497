#include "clicommands.h"
#include "clirun.h"

#include "document/layouttext.h"
#include "document/menudata.h"

#include "tempdir.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRectF>

#include <gtest/gtest.h>

using namespace zorvan;

namespace {

using test::Outcome;
using test::RunZorvan;

QRectF RectOf(const QJsonValue &v)
{
    const QJsonArray a = v.toArray();
    return QRectF(a[0].toDouble(), a[1].toDouble(), a[2].toDouble(), a[3].toDouble());
}

// A legacy layout of 2 x 4 strips on an 800 x 400 background: it fits the
// 1600 x 900 virtual window at 1:1.
class DumpRects : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString support = dir.file(QStringLiteral("Lunch_SupportFiles"));
        ASSERT_TRUE(QDir().mkpath(support));
        layout = dir.file(QStringLiteral("ZorvanLayout_Lunch.XZORVAN"));
        auto doc = std::make_unique<MenuData>();
        doc->NumberOfColumns = 2;
        doc->NumberOfRows = 4;
        TextParams &main = doc->strip(1, 1).MainItemTextParams;
        main.Text = QStringLiteral("Fries");
        main.Font = QStringLiteral("DejaVu Sans");
        main.Xref = 0.1;
        main.Yref = 0.1;
        doc->strip(1, 1).PricesTextParams.Text = QStringLiteral("2.99^3.99");
        doc->strip(0, 3).BackGroundColor = 0x00102030;
        QString error;
        ASSERT_TRUE(WriteLayoutTextFile(layout, WriteLayoutText(*doc, QStringLiteral("C:\\Menus\\Lunch-BGD.jpg")), &error));
        background = support + QStringLiteral("/Lunch-BGD.jpg");
        QImage image(800, 400, QImage::Format_RGB32);
        image.fill(qRgb(20, 20, 60));
        ASSERT_TRUE(image.save(background, "JPEG"));
    }

    test::TempDir dir;
    QString layout;
    QString background;
};

} // namespace

TEST_F(DumpRects, ListsEachStripsDrawnRectanglesInScreenSpace)
{
    const Outcome o = RunZorvan({QStringLiteral("dump"), QStringLiteral("--rects"), layout});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    EXPECT_TRUE(o.err.isEmpty());
    EXPECT_TRUE(o.out.endsWith("}]}\n"));
    const QJsonArray strips = QJsonDocument::fromJson(o.out).object()["Strips"].toArray();
    ASSERT_EQ(strips.size(), 2);

    const QJsonObject fries = strips[1].toObject();
    ASSERT_EQ(fries["Column"].toInt(), 1);
    const QJsonObject rects = fries["Rects"].toObject();
    // Cells of 400 x 100 from (1, 1): the strip box, one pixel larger all round.
    const QRectF strip = RectOf(rects["Strip"]);
    EXPECT_NEAR(strip.x(), 400.0, 1.0);
    EXPECT_NEAR(strip.y(), 100.0, 1.0);
    EXPECT_NEAR(strip.width(), 402.0, 1.0);
    const QRectF main = RectOf(rects["MainItem"]);
    EXPECT_GT(main.width(), 0.0);
    EXPECT_GT(main.x(), strip.x() + 40.0);
    EXPECT_GT(main.y(), strip.y() + 10.0);
    EXPECT_TRUE(strip.contains(main));
    EXPECT_GT(RectOf(rects["Prices"]).width(), 0.0);
    EXPECT_EQ(RectOf(rects["SubItems"]), QRectF());
    EXPECT_GT(fries["PriceTabSpacing"].toInt(), 0);

    // The option may follow the file; without it the rectangles are not listed.
    EXPECT_EQ(RunZorvan({QStringLiteral("dump"), layout, QStringLiteral("--rects")}).out, o.out);
    EXPECT_FALSE(RunZorvan({QStringLiteral("dump"), layout}).out.contains("\"Rects\""));
}

TEST_F(DumpRects, FailsOnOneLineWhenNothingCanBeDrawn)
{
    ASSERT_TRUE(QFile::remove(background));
    const Outcome o = RunZorvan({QStringLiteral("dump"), QStringLiteral("--rects"), layout});
    EXPECT_EQ(o.status, cli::kExitError);
    EXPECT_TRUE(o.out.isEmpty());
    EXPECT_EQ(o.err, "zorvan: " + background.toUtf8() + ": the background image cannot be read\n");
    EXPECT_EQ(o.err.count('\n'), 1);

    const Outcome usage = RunZorvan({QStringLiteral("dump"), QStringLiteral("--rects")});
    EXPECT_EQ(usage.status, cli::kExitError);
    EXPECT_TRUE(usage.err.startsWith("zorvan: dump: ")) << usage.err.toStdString();
}
