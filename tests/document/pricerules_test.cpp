#include "document/layouttext.h"
#include "document/menudata.h"

#include "layoutfixtures.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zorvan;

namespace {

StripData ReadPricesStrip(const QString &stripElements, const QString &pricesBlock)
{
    MenuData doc;
    const QString text = test::LayoutTextWithStrip(
        stripElements + QStringLiteral("<PricesTextParams>%1</PricesTextParams>").arg(pricesBlock));
    EXPECT_TRUE(ReadLayoutText(text, doc).ok);
    return doc.strip(0, 0);
}

} // namespace

TEST(PriceRules, CaretsAreKeptApart)
{
    const struct {
        const char *in;
        const char *out;
    } cases[] = {
        {"", ""},
        {"4.99 Cal", "4.99 Cal"},
        {"1^^2", "1^ ^2"},
        {"^^^", "^ ^ ^ "},
        {"^^^^^x", "^ ^ ^ ^ ^x"},
        {"1^\r\n2^ \r\n3", "1^ \r\n2^ \r\n3"},
        {"4.99^", "4.99^ "},
        {"4.99^ ", "4.99^ "},
        {"^", "^ "},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NormalisePriceTabs(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}

TEST(PriceRules, TrailingCaretIsWrittenBareAndReadBackWithASpace)
{
    MenuData doc;
    doc.NumberOfColumns = 1;
    doc.NumberOfRows = 1;
    doc.strip(0, 0).PricesTextParams.Text = QStringLiteral("4.99^");
    const QString text = WriteLayoutText(doc, QString());
    EXPECT_TRUE(text.contains(QStringLiteral("<Text>4.99^</Text>")));
    MenuData read;
    ASSERT_TRUE(ReadLayoutText(text, read).ok);
    EXPECT_EQ(read.strip(0, 0).PricesTextParams.Text, QStringLiteral("4.99^ "));
    // Written again, the space is dropped on reading and put back: stable.
    MenuData again;
    ASSERT_TRUE(ReadLayoutText(WriteLayoutText(read, QString()), again).ok);
    EXPECT_EQ(again.strip(0, 0).PricesTextParams.Text, QStringLiteral("4.99^ "));
}

TEST(PriceRules, CaloriesSpacingShrinksWithCaretsAndTabSpacingGrowsWithout)
{
    const QString factors = QStringLiteral("<PriceTabSpacingFactor>3.000</PriceTabSpacingFactor>"
                                           "<CaloriesSpacingFactor>3.800</CaloriesSpacingFactor>");
    const StripData carets = ReadPricesStrip(factors, QStringLiteral("<Text>4.99^ 300 Cal</Text>"));
    EXPECT_NEAR(carets.CaloriesSpacingFactor, 2.0, 1e-9);
    EXPECT_DOUBLE_EQ(carets.PriceTabSpacingFactor, 3.0);

    const StripData plain = ReadPricesStrip(factors, QStringLiteral("<Text>4.99</Text>"));
    EXPECT_NEAR(plain.PriceTabSpacingFactor, 5.6, 1e-9);
    EXPECT_DOUBLE_EQ(plain.CaloriesSpacingFactor, 3.8);

    // Also when the prices text turned out empty...
    const StripData empty = ReadPricesStrip(factors, QStringLiteral("<Text></Text>"));
    EXPECT_NEAR(empty.PriceTabSpacingFactor, 5.6, 1e-9);
    // ...but not without a prices block.
    MenuData doc;
    ASSERT_TRUE(ReadLayoutText(test::LayoutTextWithStrip(factors + QStringLiteral("<SubImageFrameIndex>1</SubImageFrameIndex>")), doc).ok);
    EXPECT_DOUBLE_EQ(doc.strip(0, 0).PriceTabSpacingFactor, 3.0);
    EXPECT_DOUBLE_EQ(doc.strip(0, 0).CaloriesSpacingFactor, 3.8);
}

TEST(PriceRules, AbsurdSpacingFactorsDoNotHangTheReader)
{
    for (const char *text : {"<Text>1^2</Text>", "<Text>12</Text>"}) {
        const StripData s = ReadPricesStrip(QStringLiteral("<PriceTabSpacingFactor>0.001</PriceTabSpacingFactor>"
                                                           "<CaloriesSpacingFactor>1e300</CaloriesSpacingFactor>"),
                                            QString::fromUtf8(text));
        EXPECT_TRUE(std::isfinite(s.CaloriesSpacingFactor)) << text;
        EXPECT_LE(s.CaloriesSpacingFactor, 0.7 * s.PriceTabSpacingFactor * (1 + 1e-12)) << text;
    }
}
