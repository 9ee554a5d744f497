#include "document/elementscan.h"
#include "document/layouttext.h"
#include "document/striptagindex.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace zorvan;

// The one-pass lookups must give exactly what a search from the start gives,
// also on texts whose strip texts hold tags of their own.

TEST(ElementScan, AgreesWithFindElementValue)
{
    const QStringView names[] = {u"Text", u"TextColor", u"Font", u"DropShadowColor"};
    const char16_t *texts[] = {
        u"<Text>a</Text><Text>b</Text>",
        u"</Text><Text>a</Text>",
        u"<Text>a<Text>b</Text>c</Text>",
        u"<<Text>>x</Text>",
        u"<Text>never closed",
        u"<Text>x</Text",
        u"<Text>",
        u"<Text></Text><Font>F</Font>",
        u"<Text>a</Text </Text>",
        u"<Text/><Text>a</Text>",
        u"<Text>see <TextColor>1</TextColor></Text><TextColor>2,3,4</TextColor>",
        u"<Font>A</Font><TextColor></Font></TextColor>",
        u"<DropShadowColorX>1</DropShadowColorX><DropShadowColor>9</DropShadowColor>",
        u"<AVeryLongElementNameThatIsLongerThanAnyWeLookFor>1</Text><Text>2</Text>",
        u"<Text>\u00e9<</Text>",
        u"",
    };
    for (const char16_t *t : texts) {
        const QStringView text(t);
        const ElementScan scan(text, names);
        for (int i = 0; i < int(std::size(names)); ++i) {
            const QStringView expected = FindElementValue(text, names[i]);
            EXPECT_EQ(scan.value(i), expected) << QString::fromUtf16(t).toStdString() << " / " << names[i].toString().toStdString();
            EXPECT_EQ(scan.value(i).data() == expected.data() || expected.isEmpty(), true);
        }
    }
}

TEST(StripTagIndex, AgreesWithFindElementValue)
{
    const char16_t *texts[] = {
        u"<Strip0-0>a</Strip0-0><Strip0-1>b</Strip0-1><Strip1-0>c</Strip1-0><Strip1-1></Strip1-1>",
        u"<Strip0-0>see <Strip0-1> here</Strip0-0><Strip0-1>b</Strip0-1>",
        u"</Strip0-1><Strip0-1>b</Strip0-1></Strip0-1>",
        u"<Strip00-1>x</Strip00-1><Strip0-01>y</Strip0-01><Strip0-1>z</Strip0-1>",
        u"<Strip0-1 >x</Strip0-1><Strip0-1>y",
        u"<Strip2-0>out of the grid</Strip2-0><Strip0-2>also</Strip0-2><Strip1-1>in</Strip1-1>",
        u"<<Strip1-0>>x</Strip1-0>",
        u"<Strip1-0></Strip1-0",
        u"<Strip-1-0>x</Strip-1-0>",
    };
    for (const char16_t *t : texts) {
        const QStringView text(t);
        const StripTagIndex index(text, 2, 2);
        for (int c = 0; c < 2; ++c)
            for (int r = 0; r < 2; ++r)
                EXPECT_EQ(index.value(c, r), FindElementValue(text, StripElementName(c, r)))
                    << QString::fromUtf16(t).toStdString() << " strip " << c << "-" << r;
        EXPECT_TRUE(index.value(2, 0).isEmpty());
    }
}

namespace {

// Texts glued together from pieces of tags, so that tags overlap, nest, break
// off and repeat in every way.
QString RandomText(std::mt19937 &random, const std::vector<QString> &pieces)
{
    std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 14);
    QString text;
    for (int n = length(random); n > 0; --n)
        text += pieces[pick(random)];
    return text;
}

} // namespace

TEST(ElementScan, AgreesWithFindElementValueOnRandomTexts)
{
    const std::vector<QString> pieces = {
        QStringLiteral("<Text>"), QStringLiteral("</Text>"), QStringLiteral("<Font>"), QStringLiteral("</Font>"),
        QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("/"), QStringLiteral("Text"), QStringLiteral("x"),
        QStringLiteral("<TextColor>"), QStringLiteral("</TextColor"), QStringLiteral("Color>"), QStringLiteral("<<")};
    const QStringView names[] = {u"Text", u"TextColor", u"Font"};
    std::mt19937 random(20261209);
    for (int round = 0; round < 20000; ++round) {
        const QString text = RandomText(random, pieces);
        const ElementScan scan(text, names);
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(scan.value(i), FindElementValue(text, names[i])) << text.toStdString() << " / " << i;
    }
}

TEST(StripTagIndex, AgreesWithFindElementValueOnRandomTexts)
{
    const std::vector<QString> pieces = {
        QStringLiteral("<Strip0-0>"), QStringLiteral("</Strip0-0>"), QStringLiteral("<Strip0-1>"),
        QStringLiteral("</Strip0-1>"), QStringLiteral("<Strip1-0>"), QStringLiteral("</Strip1-0>"),
        QStringLiteral("<Strip01-0>"), QStringLiteral("<Strip1-1"), QStringLiteral(">"), QStringLiteral("<"),
        QStringLiteral("/"), QStringLiteral("x"), QStringLiteral("1>"), QStringLiteral("<Strip1-")};
    std::mt19937 random(1809);
    for (int round = 0; round < 20000; ++round) {
        const QString text = RandomText(random, pieces);
        const StripTagIndex index(text, 2, 2);
        for (int c = 0; c < 2; ++c)
            for (int r = 0; r < 2; ++r)
                ASSERT_EQ(index.value(c, r), FindElementValue(text, StripElementName(c, r)))
                    << text.toStdString() << " strip " << c << "-" << r;
    }
}
