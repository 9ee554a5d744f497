#include "document/layoutvalues.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <climits>

using namespace zorvan;

TEST(LayoutValues, WrittenForms)
{
    EXPECT_EQ(FormatLayoutReal(0.94), QStringLiteral("0.940"));
    EXPECT_EQ(FormatLayoutReal(-1.5), QStringLiteral("-1.500"));
    EXPECT_EQ(FormatLayoutReal(2.0004), QStringLiteral("2.000"));
    EXPECT_EQ(FormatLayoutInteger(-15), QStringLiteral("-15"));
    EXPECT_EQ(FormatLayoutBoolean(true), QStringLiteral("Yes"));
    EXPECT_EQ(FormatLayoutBoolean(false), QStringLiteral("No"));
    EXPECT_EQ(FormatLayoutAlignment(0), QStringLiteral("Left"));
    EXPECT_EQ(FormatLayoutAlignment(1), QStringLiteral("Center"));
    EXPECT_EQ(FormatLayoutAlignment(2), QStringLiteral("Right"));
    EXPECT_EQ(FormatLayoutColour(kNoColour), QStringLiteral("0,0,1"));
    EXPECT_EQ(FormatLayoutColour(0xAB0000FF), QStringLiteral("255,0,0"));
}

TEST(LayoutValues, ReadingTakesTheLeadingValue)
{
    const struct {
        const char *value;
        int integer;
        double real;
    } numbers[] = {
        {"", 0, 0.0},           {"abc", 0, 0.0},         {"12abc", 12, 12.0},    {" -7", -7, -7.0},
        {"+3", 3, 3.0},         {"0.940", 0, 0.94},      {"-.5", 0, -0.5},       {"2.5x", 2, 2.5},
        {"1e3", 1, 1000.0},     {"inf", 0, 0.0},         {"nan", 0, 0.0},        {"1e999", 1, 0.0},
        {"99999999999", INT_MAX, 99999999999.0},         {"-99999999999", INT_MIN, -99999999999.0},
    };
    for (const auto &n : numbers) {
        const QString v = QString::fromUtf8(n.value);
        EXPECT_EQ(ReadLayoutInteger(v), n.integer) << n.value;
        EXPECT_DOUBLE_EQ(ReadLayoutReal(v), n.real) << n.value;
    }
}

TEST(LayoutValues, BooleansAlignmentsAndColours)
{
    EXPECT_TRUE(ReadLayoutBoolean(u"Yes"));
    for (const char16_t *no : {u"yes", u"Yes ", u"YES", u"No", u"1", u""})
        EXPECT_FALSE(ReadLayoutBoolean(no));

    EXPECT_EQ(ReadLayoutAlignment(u"Center"), 1);
    EXPECT_EQ(ReadLayoutAlignment(u"Right"), 2);
    for (const char16_t *left : {u"Left", u"right", u"2", u""})
        EXPECT_EQ(ReadLayoutAlignment(left), 0);

    const struct {
        const char16_t *value;
        Colour colour;
    } colours[] = {
        {u"255,0,0", 0x000000FF}, {u"0,0,1", kNoColour},  {u"10,20,30", 0x001E140A}, {u"256,-1,7", 0x0007FF00},
        {u"12", 0x0000000C},      {u"1,2", 0x00000201},   {u"1,2,3,4", 0x00030201},  {u"", kBlack},
        {u",,5", 0x00050000},     {u" 1, 2, 3", 0x00030201},
    };
    for (const auto &c : colours)
        EXPECT_EQ(ReadLayoutColour(c.value), c.colour) << QString::fromUtf16(c.value).toStdString();
}
