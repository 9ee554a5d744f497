#include "document/documentsnapshot.h"
#include "document/menudata.h"

#include "layoutfixtures.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace zorvan {
namespace {

// Through the bytes, as the file on disk holds it.
std::unique_ptr<MenuData> RoundTrip(const MenuData &doc, QString *error = nullptr)
{
    const QByteArray bytes = QJsonDocument(DocumentSnapshot(doc)).toJson(QJsonDocument::Compact);
    auto read = std::make_unique<MenuData>();
    if (!ReadDocumentSnapshot(QJsonDocument::fromJson(bytes).object(), *read, error))
        return nullptr;
    return read;
}

TEST(DocumentSnapshotTest, GivesBackEveryFieldExactly)
{
    auto doc = test::SampleLayout();
    // Values the layout text would round or tidy: steps that do not land on
    // thousandths, a tiny and a huge number, infinities, a price text the
    // reader would normalise, and a record in the margin row drawing reads.
    StripData &s = doc->strip(1, 2);
    s.XOffsetFactor = 0.1 + 0.2;
    s.YOffsetFactor = 1.0 / 3.0;
    s.XSizeFactor = 1e-300;
    s.YSizeFactor = -0.000123456789;
    s.PricesTextParams.Text = QStringLiteral("6.49^^>540 Cal\r\n~1.99");
    s.PricesTextParams.Xref = std::numeric_limits<double>::infinity();
    s.MainItemTextParams.Yref = -std::numeric_limits<double>::infinity();
    s.SubItemsTextParams.LineSpacingFactor = 1e300;
    s.MainItemTextParams.Text = QStringLiteral("Caf\u00e9 \U0001F354\r\nline two");
    s.SubImageCropPercentageX = 37;
    s.SubImageBrightnessFactor = -12;
    s.BackGroundColor = 0x00FFFFFF;
    s.CaloriesTextColor = 0xFFFFFFFF;
    doc->strip(kMaxColumns, kMaxRows).SubImageCropOriginPercentageY = 5;
    doc->StyleTemplate.PriceTabSpacingFactor = 7.7777777777777;
    doc->StyleTemplate.MainItemTextParams.Font = QStringLiteral("Segoe UI Black");
    doc->BackgroundPath = QStringLiteral("/work/QRT1/Background.jpg");
    doc->WhitePrintBackground = true;
    doc->Modified = true;

    QString error;
    const auto read = RoundTrip(*doc, &error);
    ASSERT_TRUE(read) << error.toStdString();
    for (int column = 0; column < kStripColumns; ++column)
        for (int row = 0; row < kStripRows; ++row)
            ASSERT_EQ(read->strip(column, row), doc->strip(column, row)) << column << "," << row;
    EXPECT_TRUE(*read == *doc);
}

TEST(DocumentSnapshotTest, NotANumberStaysNotANumber)
{
    MenuData doc;
    doc.strip(0, 0).XOffsetFactor = std::nan("");
    const auto read = RoundTrip(doc);
    ASSERT_TRUE(read);
    EXPECT_TRUE(std::isnan(read->strip(0, 0).XOffsetFactor));
}

TEST(DocumentSnapshotTest, AnEmptyBoardIsSmall)
{
    MenuData doc;
    EXPECT_TRUE(DocumentSnapshot(doc).value(QLatin1String("Strips")).toArray().isEmpty());
    const auto read = RoundTrip(doc);
    ASSERT_TRUE(read);
    EXPECT_TRUE(*read == doc);
}

TEST(DocumentSnapshotTest, ADamagedSnapshotIsRefusedAndChangesNothing)
{
    const auto doc = test::SampleLayout();
    const QJsonObject good = DocumentSnapshot(*doc);
    ASSERT_FALSE(good.value(QLatin1String("Strips")).toArray().isEmpty());
    const auto withStrip = [&good](const std::function<void(QJsonObject &)> &change) {
        QJsonObject snapshot = good;
        QJsonArray strips = snapshot.value(QLatin1String("Strips")).toArray();
        QJsonObject first = strips.at(0).toObject();
        change(first);
        strips.replace(0, first);
        snapshot.insert(QLatin1String("Strips"), strips);
        return snapshot;
    };
    const struct {
        const char *what;
        QJsonObject snapshot;
    } cases[] = {
        {"not a snapshot", QJsonObject()},
        {"no columns", [&] { QJsonObject o = good; o.remove(QLatin1String("NumberOfColumns")); return o; }()},
        {"grid of 0 columns", [&] { QJsonObject o = good; o.insert(QLatin1String("NumberOfColumns"), 0); return o; }()},
        {"grid of 201 rows", [&] { QJsonObject o = good; o.insert(QLatin1String("NumberOfRows"), 201); return o; }()},
        {"rows not whole", [&] { QJsonObject o = good; o.insert(QLatin1String("NumberOfRows"), 2.5); return o; }()},
        {"no strips", [&] { QJsonObject o = good; o.remove(QLatin1String("Strips")); return o; }()},
        {"strip outside the records",
         withStrip([](QJsonObject &s) { s.insert(QLatin1String("Column"), kStripColumns); })},
        {"strip without a row", withStrip([](QJsonObject &s) { s.remove(QLatin1String("Row")); })},
        {"size as text", withStrip([](QJsonObject &s) { s.insert(QLatin1String("XSizeFactor"), QStringLiteral("1.0")); })},
        {"colour below zero", withStrip([](QJsonObject &s) { s.insert(QLatin1String("BackGroundColor"), -1); })},
        {"block missing", withStrip([](QJsonObject &s) { s.remove(QLatin1String("PricesTextParams")); })},
        {"text not a string", withStrip([](QJsonObject &s) {
             QJsonObject block = s.value(QLatin1String("MainItemTextParams")).toObject();
             block.insert(QLatin1String("Text"), 5);
             s.insert(QLatin1String("MainItemTextParams"), block);
         })},
    };
    for (const auto &c : cases) {
        MenuData target;
        target.strip(0, 0).MainItemTextParams.Text = QStringLiteral("kept");
        const MenuData before = target;
        QString error;
        EXPECT_FALSE(ReadDocumentSnapshot(c.snapshot, target, &error)) << c.what;
        EXPECT_FALSE(error.isEmpty()) << c.what;
        EXPECT_TRUE(target == before) << c.what;
    }
}

} // namespace
} // namespace zorvan
