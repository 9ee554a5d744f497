#include "document/layouttext.h"
#include "document/menudata.h"

#include "layoutfixtures.h"
#include "tempdir.h"

#include <QFile>
#include "qtprinters.h"

#include <gtest/gtest.h>

#include <memory>

using namespace zorvan;
using zorvan::test::LayoutTextWithStrip;
using zorvan::test::SampleLayout;

namespace {

std::unique_ptr<MenuData> Read(const QString &text, LayoutReadResult *result = nullptr)
{
    auto doc = std::make_unique<MenuData>();
    const LayoutReadResult r = ReadLayoutText(text, *doc);
    EXPECT_TRUE(r.ok) << qPrintable(r.error);
    if (result)
        *result = r;
    return doc;
}

// Strip (0, 0) of a one-strip layout made by hand.
StripData ReadStrip(const QString &stripContent)
{
    return Read(LayoutTextWithStrip(stripContent))->strip(0, 0);
}

QString Block(const QString &name, const QString &content)
{
    return QStringLiteral("<%1>%2</%1>").arg(name, content);
}

} // namespace

TEST(LayoutText, WritesElementsInOrderWithoutWhitespace)
{
    MenuData doc;
    doc.NumberOfColumns = 1;
    doc.NumberOfRows = 2;
    StripData &s = doc.strip(0, 0);
    s.BackGroundColor = MakeColour(10, 20, 30);
    s.MainItemTextParams.Text = QStringLiteral("A");
    s.PricesTextParams.Text = QStringLiteral("1.00");
    s.SubItemsTextParams.Font = QStringLiteral("not written: no sub items text");

    const QString expected = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-16\" standalone=\"yes\"?><MenuData><ApplicationData>"
        "<NameAndVersion>Zorvan PRO Editor 3.0 Version3.0.30.21</NameAndVersion></ApplicationData>"
        "<MenuGeneralData><BackgroundFileName>Background.jpg</BackgroundFileName>"
        "<NumberOfColumns>1</NumberOfColumns><NumberOfRows>2</NumberOfRows>"
        "<WhitePrintBackground>No</WhitePrintBackground></MenuGeneralData><StripsData><Strip0-0>"
        "<BackGroundColor>10,20,30</BackGroundColor><CaloriesTextColor>255,255,0</CaloriesTextColor>"
        "<CaloriesItalics>No</CaloriesItalics><PriceTabSpacingFactor>8.000</PriceTabSpacingFactor>"
        "<CaloriesSpacingFactor>3.800</CaloriesSpacingFactor><SubImageFileName></SubImageFileName>"
        "<ImageHiddenOnWhite>No</ImageHiddenOnWhite><SubImageFrameIndex>0</SubImageFrameIndex>"
        "<SubImageCropPercentageX>0</SubImageCropPercentageX><SubImageCropPercentageY>0</SubImageCropPercentageY>"
        "<SubImageCropOriginPercentageX>0</SubImageCropOriginPercentageX>"
        "<SubImageCropOriginPercentageY>0</SubImageCropOriginPercentageY>"
        "<SubImageBrightnessFactor>0</SubImageBrightnessFactor><XOffsetFactor>0.000</XOffsetFactor>"
        "<YOffsetFactor>0.000</YOffsetFactor><XSizeFactor>1.000</XSizeFactor><YSizeFactor>1.000</YSizeFactor>"
        "<MainItemTextParams><Text>A</Text><TextColor>255,255,255</TextColor><DropShadowColor>0,0,1</DropShadowColor>"
        "<Font>Arial</Font><Xref>0.000</Xref><Yref>0.000</Yref><ScaleFactor>1.000</ScaleFactor>"
        "<LineSpacingFactor>1.000</LineSpacingFactor><Bold>No</Bold><Italics>No</Italics>"
        "<CenterInStrip>No</CenterInStrip><GroupAlignment>Left</GroupAlignment></MainItemTextParams>"
        "<PricesTextParams><Text>1.00</Text><TextColor>255,255,255</TextColor><DropShadowColor>0,0,1</DropShadowColor>"
        "<Font>Arial</Font><Xref>0.940</Xref><Yref>0.000</Yref><ScaleFactor>1.000</ScaleFactor>"
        "<LineSpacingFactor>1.000</LineSpacingFactor><Bold>No</Bold><Italics>No</Italics>"
        "<CenterInStrip>No</CenterInStrip><GroupAlignment>Right</GroupAlignment></PricesTextParams>"
        "</Strip0-0><Strip0-1></Strip0-1></StripsData></MenuData>");
    EXPECT_EQ(WriteLayoutText(doc, QStringLiteral("C:\\Menus\\Work\\Background.jpg")), expected);
    EXPECT_EQ(WriteLayoutText(doc, QStringLiteral("/home/u/QRT1/Background.jpg")), expected);
}

TEST(LayoutText, WriteThenReadGivesTheSameDocument)
{
    const auto original = SampleLayout();
    for (bool scrambled : {false, true}) {
        const QString plain = WriteLayoutText(*original, QStringLiteral("/w/Background.jpg"));
        LayoutReadResult result;
        const auto read = Read(scrambled ? ScrambleLayoutText(plain) : plain, &result);
        EXPECT_TRUE(*read == *original) << "scrambled " << scrambled;
        EXPECT_EQ(read->strip(1, 2).MainItemTextParams.Text, original->strip(1, 2).MainItemTextParams.Text);
        EXPECT_EQ(result.backgroundFileName, QStringLiteral("Background.jpg"));
        EXPECT_TRUE(result.whitePrintBackground);
        EXPECT_TRUE(read->WhitePrintBackground);
    }
}

TEST(LayoutText, FullGridRoundTripKeepsEveryStrip)
{
    auto doc = std::make_unique<MenuData>();
    doc->NumberOfColumns = kMaxColumns;
    doc->NumberOfRows = kMaxRows;
    for (int c = 0; c < kMaxColumns; ++c) {
        for (int r = 0; r < kMaxRows; ++r) {
            StripData &s = doc->strip(c, r);
            s.MainItemTextParams.Text = StripElementName(c, r);
            // Tags that do not end the strip: its own opening tag again, and
            // the closing tag of a strip that came before.
            s.SubItemsTextParams.Text = QStringLiteral("<Strip%1-%2> <Strip%1-%2x>").arg(c).arg(r);
            if (c + r > 0)
                s.SubItemsTextParams.Text += QStringLiteral("</Strip0-0>");
            s.PricesTextParams.Text = QString::number(c * 1000 + r);
        }
    }
    const auto read = Read(ScrambleLayoutText(WriteLayoutText(*doc, QString())));
    EXPECT_TRUE(*read == *doc);
}

TEST(LayoutText, ReadingResetsEveryStripAndTheTemplateFirst)
{
    MenuData doc;
    doc.strip(7, 199).MainItemTextParams.Text = QStringLiteral("left over");
    doc.strip(0, 0).PricesTextParams.Text = QStringLiteral("9.99");
    doc.StyleTemplate.MainItemTextParams.Bold = true;
    LayoutReadOptions options;
    options.paletteColour = MakeColour(0, 128, 0);
    const LayoutReadResult result =
        ReadLayoutText(LayoutTextWithStrip(Block(QStringLiteral("MainItemTextParams"), QStringLiteral("<Text>x</Text>"))),
                       doc, options);
    ASSERT_TRUE(result.ok);
    EXPECT_FALSE(IsStripInUse(doc.strip(7, 199)));
    EXPECT_TRUE(doc.strip(0, 0).PricesTextParams.Text.isEmpty());
    EXPECT_FALSE(doc.StyleTemplate.MainItemTextParams.Bold);
    EXPECT_EQ(doc.StyleTemplate.SubItemsTextParams.TextColor, MakeColour(0, 128, 0));
    // WhitePrintBackground missing: the check box is cleared.
    EXPECT_FALSE(result.whitePrintBackground);
    EXPECT_FALSE(doc.WhitePrintBackground);
}

TEST(LayoutText, RefusesGridSizesThatDoNotFitAndLeavesTheDocumentAlone)
{
    struct Case {
        const char *text;
        const char *reason;
    };
    const Case cases[] = {
        {"<NumberOfColumns>0</NumberOfColumns><NumberOfRows>5</NumberOfRows>", "0 columns by 5 rows"},
        {"<NumberOfColumns>9</NumberOfColumns><NumberOfRows>1</NumberOfRows>", "9 columns by 1 rows"},
        {"<NumberOfColumns>1</NumberOfColumns><NumberOfRows>201</NumberOfRows>", "1 columns by 201 rows"},
        {"<NumberOfColumns>-2</NumberOfColumns><NumberOfRows>3</NumberOfRows>", "-2 columns"},
        {"<NumberOfColumns>4</NumberOfColumns>", "4 columns by 0 rows"},
        {"just some text", "not a layout file"},
        {"", "not a layout file"},
    };
    for (const Case &c : cases) {
        const auto doc = SampleLayout();
        doc->BackgroundPath = QStringLiteral("/w/Background.jpg");
        const auto before = SampleLayout();
        before->BackgroundPath = doc->BackgroundPath;
        const LayoutReadResult result = ReadLayoutText(QString::fromUtf8(c.text), *doc);
        EXPECT_FALSE(result.ok) << c.text;
        EXPECT_TRUE(result.error.contains(QLatin1String(c.reason))) << c.text << " -> " << qPrintable(result.error);
        EXPECT_TRUE(*doc == *before) << c.text;
    }
    // The limits themselves are fine.
    MenuData doc;
    EXPECT_TRUE(ReadLayoutText(QStringLiteral("<NumberOfColumns>8</NumberOfColumns><NumberOfRows>200</NumberOfRows>"), doc).ok);
    EXPECT_EQ(doc.NumberOfColumns, 8);
    EXPECT_EQ(doc.NumberOfRows, 200);
}

TEST(LayoutText, ScrambleReversesAddsOneAndDropsTildes)
{
    const QString plain = QStringLiteral("<a>~b\u00e9~</a>");
    const QString stored = ScrambleLayoutText(plain);
    EXPECT_EQ(stored, QStringLiteral("?b0=\u00eac?b="));
    EXPECT_EQ(UnscrambleLayoutText(stored), QStringLiteral("<a>b\u00e9</a>"));
    // A text that does not start with '?' is plain already.
    EXPECT_EQ(UnscrambleLayoutText(plain), plain);

    auto doc = SampleLayout();
    doc->strip(1, 2).PricesTextParams.Text = QStringLiteral("~4.99~");
    const QString written = WriteLayoutText(*doc, QString());
    EXPECT_TRUE(written.contains(QStringLiteral("~4.99~")));
    const QString scrambled = ScrambleLayoutText(written);
    EXPECT_TRUE(*Read(scrambled) == *Read(UnscrambleLayoutText(scrambled)));
    EXPECT_EQ(Read(scrambled)->strip(1, 2).PricesTextParams.Text, QStringLiteral("4.99"));
}

TEST(LayoutText, BytesAreUtf16LittleEndianWithoutByteOrderMark)
{
    const QString text = QStringLiteral("<\u20ac\U0001F354");
    const QByteArray bytes = EncodeLayoutBytes(text);
    EXPECT_EQ(bytes, QByteArray::fromHex("3c00ac203cd854df"));
    EXPECT_EQ(DecodeLayoutBytes(bytes), text);
    EXPECT_EQ(DecodeLayoutBytes(bytes + 'x'), text);
    EXPECT_EQ(DecodeLayoutBytes(QByteArray("\x3c", 1)), QString());
}

TEST(LayoutText, FilesAreStoredScrambledAndReadBackWhatEverTheirForm)
{
    zorvan::test::TempDir dir;
    const auto doc = SampleLayout();
    const QString plain = WriteLayoutText(*doc, QStringLiteral("Background.jpg"));
    const QString path = dir.file(QStringLiteral("Layout.XZORVAN"));
    QString error;
    ASSERT_TRUE(WriteLayoutTextFile(path, plain, &error)) << qPrintable(error);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray stored = file.readAll();
    file.close();
    EXPECT_EQ(stored.left(2), QByteArray("?\0", 2));
    EXPECT_EQ(stored.size(), plain.size() * 2);

    // The plain form and a copy with a stray odd byte load alike.
    const QString plainPath = dir.file(QStringLiteral("Plain.XZORVAN"));
    const QString oddPath = dir.file(QStringLiteral("Odd.XZORVAN"));
    ASSERT_TRUE(zorvan::test::WriteFile(plainPath, EncodeLayoutBytes(plain)));
    ASSERT_TRUE(zorvan::test::WriteFile(oddPath, stored + '\x7f'));
    for (const QString &p : {path, plainPath, oddPath}) {
        QString text;
        ASSERT_TRUE(ReadLayoutTextFile(p, &text, &error)) << qPrintable(error);
        EXPECT_EQ(text, plain) << qPrintable(p);
        EXPECT_TRUE(*Read(text) == *doc) << qPrintable(p);
    }

    QString text = QStringLiteral("unchanged");
    EXPECT_FALSE(ReadLayoutTextFile(dir.file(QStringLiteral("missing.XZORVAN")), &text, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(text, QStringLiteral("unchanged"));
    EXPECT_FALSE(WriteLayoutTextFile(dir.file(QStringLiteral("no/such/folder/x.XZORVAN")), plain, &error));
}

TEST(LayoutText, LegacyCropPercentageServesBothAxes)
{
    struct Case {
        const char *content;
        int x;
        int y;
    };
    const Case cases[] = {
        {"<SubImageCropPercentage>80</SubImageCropPercentage>", 80, 80},
        {"<SubImageCropPercentage>80</SubImageCropPercentage><SubImageCropPercentageX>50</SubImageCropPercentageX>", 80, 80},
        {"<SubImageCropPercentage></SubImageCropPercentage><SubImageCropPercentageX>50</SubImageCropPercentageX>", 50, 100},
        {"<SubImageCropPercentageX>40</SubImageCropPercentageX><SubImageCropPercentageY>30</SubImageCropPercentageY>", 40, 30},
        {"<SubImageCropPercentageX></SubImageCropPercentageX>", 100, 100},
        {"", 100, 100},
    };
    for (const Case &c : cases) {
        const StripData s = ReadStrip(QStringLiteral("<SubImageFrameIndex>1</SubImageFrameIndex>") + QString::fromUtf8(c.content));
        EXPECT_EQ(s.SubImageCropPercentageX, c.x) << c.content;
        EXPECT_EQ(s.SubImageCropPercentageY, c.y) << c.content;
    }
}

TEST(LayoutText, StripLevelDropShadowStandsInForBlocksWithoutTheirOwn)
{
    const StripData s = ReadStrip(
        QStringLiteral("<DropShadowColor>1,2,3</DropShadowColor>")
        + Block(QStringLiteral("MainItemTextParams"), QStringLiteral("<Text>Main</Text>"))
        + Block(QStringLiteral("SubItemsTextParams"), QStringLiteral("<Text>Sub</Text><DropShadowColor>0,0,1</DropShadowColor>"))
        + Block(QStringLiteral("PricesTextParams"), QStringLiteral("<Text>1.00</Text><DropShadowColor></DropShadowColor>")));
    EXPECT_EQ(s.MainItemTextParams.DropShadowColor, MakeColour(1, 2, 3));
    EXPECT_EQ(s.SubItemsTextParams.DropShadowColor, kNoColour);
    EXPECT_EQ(s.PricesTextParams.DropShadowColor, MakeColour(1, 2, 3));

    // In current files the first shadow in the strip is the main item's, and
    // it also fills in for a later block that lacks one.
    const StripData current = ReadStrip(
        Block(QStringLiteral("MainItemTextParams"), QStringLiteral("<Text>Main</Text><DropShadowColor>9,8,7</DropShadowColor>"))
        + Block(QStringLiteral("SubItemsTextParams"), QStringLiteral("<Text>Sub</Text>")));
    EXPECT_EQ(current.SubItemsTextParams.DropShadowColor, MakeColour(9, 8, 7));

    // No shadow anywhere: black, as for every missing colour.
    EXPECT_EQ(ReadStrip(Block(QStringLiteral("MainItemTextParams"), QStringLiteral("<Text>M</Text>"))).MainItemTextParams.DropShadowColor,
              kBlack);
}

TEST(LayoutText, MissingAndEmptyElementsReadAlike)
{
    const QStringList stripNames = {
        QStringLiteral("BackGroundColor"), QStringLiteral("CaloriesItalics"), QStringLiteral("PriceTabSpacingFactor"),
        QStringLiteral("CaloriesSpacingFactor"), QStringLiteral("SubImageFileName"), QStringLiteral("ImageHiddenOnWhite"),
        QStringLiteral("SubImageFrameIndex"), QStringLiteral("SubImageCropOriginPercentageX"),
        QStringLiteral("SubImageCropOriginPercentageY"), QStringLiteral("SubImageBrightnessFactor"),
        QStringLiteral("XOffsetFactor"), QStringLiteral("YOffsetFactor"), QStringLiteral("XSizeFactor"),
        QStringLiteral("YSizeFactor")};
    const QStringList blockNames = {
        QStringLiteral("TextColor"), QStringLiteral("DropShadowColor"), QStringLiteral("Font"), QStringLiteral("Xref"),
        QStringLiteral("Yref"), QStringLiteral("ScaleFactor"), QStringLiteral("LineSpacingFactor"), QStringLiteral("Bold"),
        QStringLiteral("Italics"), QStringLiteral("CenterInStrip"), QStringLiteral("GroupAlignment")};
    QString empties;
    for (const QString &name : stripNames)
        empties += Block(name, QString());
    QString blockEmpties = QStringLiteral("<Text>Soup</Text>");
    for (const QString &name : blockNames)
        blockEmpties += Block(name, QString());

    const StripData missing = ReadStrip(Block(QStringLiteral("MainItemTextParams"), QStringLiteral("<Text>Soup</Text>")));
    const StripData empty = ReadStrip(empties + Block(QStringLiteral("MainItemTextParams"), blockEmpties));
    EXPECT_TRUE(missing == empty);

    // What missing values become.
    EXPECT_EQ(missing.BackGroundColor, kBlack);
    EXPECT_DOUBLE_EQ(missing.PriceTabSpacingFactor, 8.0);
    EXPECT_DOUBLE_EQ(missing.CaloriesSpacingFactor, 3.8);
    EXPECT_EQ(missing.SubImageCropPercentageX, 100);
    EXPECT_EQ(missing.SubImageCropOriginPercentageX, 0);
    EXPECT_DOUBLE_EQ(missing.XSizeFactor, 0.0);
    EXPECT_EQ(missing.CaloriesTextColor, missing.PricesTextParams.TextColor);
    EXPECT_FALSE(missing.CaloriesItalics);
    const TextParams &block = missing.MainItemTextParams;
    EXPECT_EQ(block.TextColor, kBlack);
    EXPECT_TRUE(block.Font.isEmpty());
    EXPECT_DOUBLE_EQ(block.ScaleFactor, 0.0);
    EXPECT_DOUBLE_EQ(block.LineSpacingFactor, 1.0);
    EXPECT_EQ(block.GroupAlignment, AlignLeft);
    EXPECT_FALSE(block.Bold);
}

TEST(LayoutText, CaloriesColourFollowsThePricesWhenNotStored)
{
    const QString prices = Block(QStringLiteral("PricesTextParams"), QStringLiteral("<Text>2.00</Text><TextColor>0,255,0</TextColor>"));
    EXPECT_EQ(ReadStrip(prices).CaloriesTextColor, MakeColour(0, 255, 0));
    EXPECT_EQ(ReadStrip(QStringLiteral("<CaloriesTextColor></CaloriesTextColor>") + prices).CaloriesTextColor, MakeColour(0, 255, 0));
    EXPECT_EQ(ReadStrip(QStringLiteral("<CaloriesTextColor>7,7,7</CaloriesTextColor>") + prices).CaloriesTextColor, MakeColour(7, 7, 7));
}

TEST(LayoutText, TextBlocksReadTheirTextsTheWayTheyAreKept)
{
    const auto main = [](const char *text) {
        return ReadStrip(Block(QStringLiteral("MainItemTextParams"),
                               QStringLiteral("<Text>%1</Text><Font>Verdana</Font><Bold>Yes</Bold>").arg(QString::fromUtf8(text))))
            .MainItemTextParams;
    };
    const auto prices = [](const char *text) {
        return ReadStrip(Block(QStringLiteral("PricesTextParams"),
                               QStringLiteral("<Text>%1</Text><Font>Verdana</Font><Bold>Yes</Bold>").arg(QString::fromUtf8(text))))
            .PricesTextParams;
    };
    // An empty text resets the whole block.
    EXPECT_TRUE(main("") == TextParams());
    // A text of one space is emptied, but the rest of its block was read.
    EXPECT_TRUE(main(" ").Text.isEmpty());
    EXPECT_EQ(main(" ").Font, QStringLiteral("Verdana"));
    EXPECT_EQ(main("a ").Text, QStringLiteral("a "));
    // Prices: '\' stands for '>', and one trailing space is dropped.
    EXPECT_EQ(prices("a\\b").Text, QStringLiteral("a>b"));
    EXPECT_EQ(prices("4.99  ").Text, QStringLiteral("4.99 "));
    EXPECT_TRUE(prices(" ").Text.isEmpty());
    EXPECT_TRUE(prices(" ").Bold);
    // A text holding the closing tag of Text is cut there.
    EXPECT_EQ(main("Fish </Text> Chips").Text, QStringLiteral("Fish "));
}

TEST(LayoutText, EmptyMainItemOfAPictureStripIsWrittenAndReadAsReset)
{
    MenuData doc;
    doc.NumberOfColumns = 1;
    doc.NumberOfRows = 1;
    StripData &s = doc.strip(0, 0);
    s.SubImageFileName = QStringLiteral("/w/a.jpg");
    s.MainItemTextParams.Font = QStringLiteral("Verdana");
    s.MainItemTextParams.Bold = true;
    const QString text = WriteLayoutText(doc, QString());
    EXPECT_TRUE(text.contains(QStringLiteral("<MainItemTextParams><Text></Text>")));
    EXPECT_FALSE(text.contains(QStringLiteral("SubItemsTextParams")));
    const auto read = Read(text);
    EXPECT_TRUE(read->strip(0, 0).MainItemTextParams == TextParams());
    EXPECT_EQ(read->strip(0, 0).SubImageFileName, QStringLiteral("/w/a.jpg"));
}

TEST(LayoutText, PicturePathsGoThroughTheCallersRule)
{
    MenuData doc;
    int calls = 0;
    LayoutReadOptions options;
    options.resolvePicturePath = [&calls](const QString &stored) {
        ++calls;
        return QStringLiteral("/work/") + stored.section(u'\\', -1);
    };
    const QString text = LayoutTextWithStrip(QStringLiteral("<SubImageFileName>C:\\Menus\\a.jpg</SubImageFileName>"), 1, 2)
                             .replace(QStringLiteral("</StripsData>"),
                                      QStringLiteral("<Strip0-1><SubImageFileName></SubImageFileName><SubImageFrameIndex>2"
                                                     "</SubImageFrameIndex></Strip0-1></StripsData>"));
    ASSERT_TRUE(ReadLayoutText(text, doc, options).ok);
    EXPECT_EQ(doc.strip(0, 0).SubImageFileName, QStringLiteral("/work/a.jpg"));
    EXPECT_TRUE(doc.strip(0, 1).SubImageFileName.isEmpty());
    EXPECT_EQ(calls, 1);
}
