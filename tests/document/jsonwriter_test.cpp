#include "document/jsonwriter.h"

#include "qtprinters.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <limits>

using namespace zorvan;

TEST(JsonWriter, KeepsMemberOrderAndEscapesStrings)
{
    JsonWriter json;
    json.beginObject();
    json.member(u"Zeta", 1);
    json.member(u"Alpha", true);
    json.key(u"List");
    json.beginArray();
    json.value(QStringView(u"a\"b\\c\r\n\t\x01/\u00e9\u4e2d\U0001F354"));
    json.beginObject();
    json.endObject();
    json.value(std::uint32_t(0x00010000));
    json.endArray();
    json.endObject();
    EXPECT_EQ(json.text(), QByteArray("{\"Zeta\": 1, \"Alpha\": true, \"List\": [\"a\\\"b\\\\c\\r\\n\\t\\u0001/"
                                      "\xc3\xa9\xe4\xb8\xad\xf0\x9f\x8d\x94\", {}, 65536]}"));
    const QJsonArray list = QJsonDocument::fromJson(json.text()).object().value(QLatin1String("List")).toArray();
    EXPECT_EQ(list[0].toString(), QStringView(u"a\"b\\c\r\n\t\x01/\u00e9\u4e2d\U0001F354").toString());
}

TEST(JsonWriter, RealsAreShortestAndReadBackExactly)
{
    const double values[] = {0.94, 0.1 + 0.2, 1.0 / 3.0, 8.0, -0.125, 1e300, 5e-324, 3.8 - 9 * 0.2};
    for (double v : values) {
        JsonWriter json;
        json.beginArray();
        json.value(v);
        json.endArray();
        EXPECT_EQ(QJsonDocument::fromJson(json.text()).array()[0].toDouble(), v) << json.text().toStdString();
    }
    JsonWriter json;
    json.beginArray();
    json.value(0.94);
    json.value(8.0);
    json.value(std::numeric_limits<double>::infinity());
    json.endArray();
    EXPECT_EQ(json.text(), QByteArray("[0.94, 8, null]"));
}

TEST(JsonWriter, LoneSurrogatesAreEscapedNotLost)
{
    JsonWriter json;
    const char16_t lone[] = {u'a', 0xD800, u'b'};
    json.value(QStringView(lone, 3));
    EXPECT_EQ(json.text(), QByteArray("\"a\\ud800b\""));
}
