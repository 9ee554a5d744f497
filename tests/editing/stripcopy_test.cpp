#include "editing/stripcopy.h"

#include "document/menudata.h"

#include "tempdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

void Use(MenuData &doc, int column, int row)
{
    doc.strip(column, row).MainItemTextParams.Text = QStringLiteral("used");
}

TEST(FreeDropRowTest, TheFirstFreeRowBelowButNeverPushedOntoTheLastRow)
{
    struct Case {
        const char *name;
        std::vector<int> used; // rows in use in column 1 of a 2 x 6 grid
        int dropRow;
        int landsOn;
    };
    const Case cases[] = {
        {"free row", {}, 2, 2},
        {"used row, next free", {1}, 1, 2},
        {"used rows, first free below", {1, 2, 3}, 1, 4},
        {"every row below used up to the one before the last", {1, 2, 3, 4}, 1, -1},
        {"the one before the last is used", {4}, 4, -1},
        {"a drop right on the free last row stays there", {}, 5, 5},
        {"a used last row has nothing below it", {5}, 5, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        MenuData doc;
        doc.NumberOfColumns = 2;
        doc.NumberOfRows = 6;
        for (int row : c.used)
            Use(doc, 1, row);
        EXPECT_EQ(FreeDropRow(doc, 1, c.dropRow), c.landsOn);
    }
    MenuData doc;
    EXPECT_EQ(FreeDropRow(doc, 0, -1), -1);
    EXPECT_EQ(FreeDropRow(doc, 5, 0), -1);
}

TEST(RestyleStripTest, TheTargetKeepsItsContentAndTakesTheLookOfBlocksBothHave)
{
    StripData source;
    source.BackGroundColor = 0x00123456;
    source.XOffsetFactor = 0.25;
    source.YOffsetFactor = 0.75;
    source.XSizeFactor = 0.8;
    source.PriceTabSpacingFactor = 6.0;
    source.MainItemTextParams.Text = QStringLiteral("Pizza");
    source.MainItemTextParams.TextColor = 0x000000FF;
    source.MainItemTextParams.Font = QStringLiteral("Liberation Serif");
    source.MainItemTextParams.ScaleFactor = 1.7;
    source.MainItemTextParams.Xref = 0.1;
    source.SubItemsTextParams.Text = QStringLiteral("cheese");
    source.SubItemsTextParams.TextColor = 0x0000FF00;
    source.SubImageFileName = QStringLiteral("/w/pizza.jpg");
    source.SubImageFrameIndex = 3;

    StripData target;
    target.MainItemTextParams.Text = QStringLiteral("Salad");
    target.YOffsetFactor = -0.5;
    target.SubImageFileName = QStringLiteral("/w/salad.jpg");
    const StripData before = target;

    RestyleStrip(source, target);
    EXPECT_EQ(target.MainItemTextParams.Text, QStringLiteral("Salad"));
    EXPECT_EQ(target.MainItemTextParams.TextColor, 0x000000FFu);
    EXPECT_EQ(target.MainItemTextParams.Font, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(target.MainItemTextParams.ScaleFactor, 1.7);
    EXPECT_EQ(target.MainItemTextParams.Xref, 0.1);
    // No sub items in the target: that block stays as it was.
    EXPECT_EQ(target.SubItemsTextParams, before.SubItemsTextParams);
    EXPECT_EQ(target.BackGroundColor, 0x00123456u);
    EXPECT_EQ(target.XOffsetFactor, 0.25);
    EXPECT_EQ(target.XSizeFactor, 0.8);
    EXPECT_EQ(target.PriceTabSpacingFactor, 6.0);
    EXPECT_EQ(target.YOffsetFactor, -0.5);
    EXPECT_EQ(target.SubImageFileName, QStringLiteral("/w/salad.jpg"));
    EXPECT_EQ(target.SubImageFrameIndex, 0);
}

TEST(CopyStripOntoTest, TheCopyStaysAtTheTargetsHeight)
{
    StripData source;
    source.MainItemTextParams.Text = QStringLiteral("Soup");
    source.XOffsetFactor = 0.3;
    source.YOffsetFactor = 0.9;
    StripData freeTarget;
    freeTarget.XOffsetFactor = -0.2;
    freeTarget.YOffsetFactor = 0.1;
    CopyStripOnto(source, freeTarget);
    EXPECT_EQ(freeTarget.MainItemTextParams.Text, QStringLiteral("Soup"));
    EXPECT_EQ(freeTarget.XOffsetFactor, 0.3);
    EXPECT_EQ(freeTarget.YOffsetFactor, 0.1);

    StripData textTarget;
    textTarget.PricesTextParams.Text = QStringLiteral("4.99");
    textTarget.XOffsetFactor = -0.2;
    CopyStripOnto(source, textTarget);
    EXPECT_EQ(textTarget.XOffsetFactor, -0.2);
    EXPECT_TRUE(textTarget.PricesTextParams.Text.isEmpty());
}

TEST(PullPricesIntoCellTest, WholeCellWidthsComeOffAndTheOffsetMovesIn)
{
    struct Case {
        double xref, xOffset;
        bool pulled;
        double xrefAfter, xOffsetAfter;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {0.5, 0.2, false, 0.5, 0.2},
        {1.0, 0.2, false, 1.0, 0.2},
        {2.0, 0.2, true, 1.2, 0.0},
        {3.25, -0.1, true, 0.15, 0.0},
        {inf, 0.2, false, inf, 0.2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.xref);
        StripData strip;
        strip.PricesTextParams.Xref = c.xref;
        strip.XOffsetFactor = c.xOffset;
        EXPECT_EQ(PullPricesIntoCell(strip), c.pulled);
        if (std::isinf(c.xrefAfter))
            EXPECT_EQ(strip.PricesTextParams.Xref, c.xrefAfter);
        else
            EXPECT_NEAR(strip.PricesTextParams.Xref, c.xrefAfter, 1e-12);
        EXPECT_EQ(strip.XOffsetFactor, c.xOffsetAfter);
    }
    StripData huge;
    huge.PricesTextParams.Xref = 1e300;
    EXPECT_TRUE(PullPricesIntoCell(huge)); // ends, rather than taking off one at a time forever
    EXPECT_LE(huge.PricesTextParams.Xref, 1.0);
}

QString Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(bytes);
    return path;
}

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(DuplicatePictureFileTest, NumberedCopiesWithTheirProxiesUnderTheProxyNames)
{
    test::TempDir temp;
    const QString folder = temp.file(QStringLiteral("QRT.1"));
    QDir().mkpath(folder);
    const QString logo = Write(folder + QStringLiteral("/logo.jpg"), "picture");
    Write(folder + QStringLiteral("/logo_Proxy.jpg"), "proxy");

    EXPECT_EQ(DuplicatePictureFile(logo), folder + QStringLiteral("/logo(1).jpg"));
    EXPECT_EQ(DuplicatePictureFile(logo), folder + QStringLiteral("/logo(2).jpg"));
    for (const char *name : {"/logo(1).jpg", "/logo(2).jpg"})
        EXPECT_EQ(Read(folder + QLatin1String(name)), "picture") << name;
    for (const char *name : {"/logo(1)_Proxy.jpg", "/logo(2)_Proxy.jpg"})
        EXPECT_EQ(Read(folder + QLatin1String(name)), "proxy") << name;

    // Upper-case extensions keep the proxy name the preview looks for.
    const QString photo = Write(folder + QStringLiteral("/Photo.JPG"), "photo");
    Write(folder + QStringLiteral("/Photo_Proxy.jpg"), "photo proxy");
    EXPECT_EQ(DuplicatePictureFile(photo), folder + QStringLiteral("/Photo(1).JPG"));
    EXPECT_EQ(Read(folder + QStringLiteral("/Photo(1)_Proxy.jpg")), "photo proxy");

    // The dot of the folder is no extension; a name without one is numbered at its end.
    const QString bare = Write(folder + QStringLiteral("/scan"), "scan");
    EXPECT_EQ(DuplicatePictureFile(bare), folder + QStringLiteral("/scan(1)"));

    // A file already there is never overwritten; a missing picture gives a name all the same.
    Write(folder + QStringLiteral("/menu(1).png"), "someone else's");
    EXPECT_EQ(DuplicatePictureFile(folder + QStringLiteral("/menu.png")), folder + QStringLiteral("/menu(2).png"));
    EXPECT_EQ(Read(folder + QStringLiteral("/menu(1).png")), "someone else's");
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/menu(2).png")));
}

} // namespace
} // namespace zorvan
