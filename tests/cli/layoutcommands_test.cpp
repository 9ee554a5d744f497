#include "clicommands.h"
#include "clirun.h"

#include "document/documentjson.h"
#include "document/layouttext.h"
#include "document/menudata.h"

#include "layoutfixtures.h"
#include "qtprinters.h"
#include "tempdir.h"

#include <QBuffer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

using namespace zorvan;

namespace {

using test::Outcome;
using test::RunZorvan;

class LayoutCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc = test::SampleLayout();
        plain = WriteLayoutText(*doc, QStringLiteral("Background.jpg"));
        scrambledPath = dir.file(QStringLiteral("Menu.XZORVAN"));
        plainPath = dir.file(QStringLiteral("Plain.XZORVAN"));
        QString error;
        ASSERT_TRUE(WriteLayoutTextFile(scrambledPath, plain, &error)) << error.toStdString();
        ASSERT_TRUE(test::WriteFile(plainPath, EncodeLayoutBytes(plain)));
    }

    test::TempDir dir;
    std::unique_ptr<MenuData> doc;
    QString plain;
    QString scrambledPath;
    QString plainPath;
};

} // namespace

TEST_F(LayoutCommands, DumpPrintsTheDocumentWithMembersInOrder)
{
    const Outcome o = RunZorvan({QStringLiteral("dump"), scrambledPath});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    EXPECT_TRUE(o.err.isEmpty());
    // A layout text on its own is a legacy layout: its paths lead into its support folder.
    const QByteArray support = dir.file(QStringLiteral("Menu_SupportFiles")).toUtf8();
    EXPECT_TRUE(o.out.startsWith("{\"NumberOfColumns\": 3, \"NumberOfRows\": 4, \"WhitePrintBackground\": true, "
                                 "\"BackgroundFileName\": \"Background.jpg\", \"BackgroundPath\": \"" + support
                                 + "/Background.jpg\", \"Strips\": "
                                   "[{\"Column\": 0, \"Row\": 0, \"BackGroundColor\": 65536, \"CaloriesTextColor\": 65535, "
                                   "\"CaloriesItalics\": false, \"SubImageFileName\": \"" + support + "/Burger.png\", "))
        << o.out.left(400).toStdString();
    EXPECT_TRUE(o.out.endsWith("}]}\n"));

    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(o.out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonArray strips = json.value(QLatin1String("Strips")).toArray();
    // In use, column outer and row inner: (0,0) picture, (0,3) frame, (1,2) full, (2,3) fill.
    ASSERT_EQ(strips.size(), 4);
    const int expected[][2] = {{0, 0}, {0, 3}, {1, 2}, {2, 3}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(strips[i].toObject().value(QLatin1String("Column")).toInt(), expected[i][0]);
        EXPECT_EQ(strips[i].toObject().value(QLatin1String("Row")).toInt(), expected[i][1]);
    }
    const QJsonObject full = strips[2].toObject();
    const StripData &s = doc->strip(1, 2);
    EXPECT_EQ(full.size(), 2 + 20);
    EXPECT_EQ(full.value(QLatin1String("BackGroundColor")).toInteger(), qint64(s.BackGroundColor));
    EXPECT_EQ(full.value(QLatin1String("XOffsetFactor")).toDouble(), s.XOffsetFactor);
    EXPECT_EQ(full.value(QLatin1String("SubImageFileName")).toString(),
              QString::fromUtf8(support) + QLatin1Char('/') + LayoutFileNameOf(s.SubImageFileName));
    const QJsonObject main = full.value(QLatin1String("MainItemTextParams")).toObject();
    EXPECT_EQ(main.size(), 12);
    EXPECT_EQ(main.value(QLatin1String("Text")).toString(), s.MainItemTextParams.Text);
    EXPECT_EQ(main.value(QLatin1String("LineSpacingFactor")).toDouble(), 0.85);
    EXPECT_EQ(main.value(QLatin1String("GroupAlignment")).toInt(), AlignCenter);
    EXPECT_EQ(full.value(QLatin1String("PricesTextParams")).toObject().value(QLatin1String("Text")).toString(),
              s.PricesTextParams.Text);

    // The plain form of the same layout dumps identically, but for its own support folder.
    EXPECT_EQ(RunZorvan({QStringLiteral("dump"), plainPath}).out.replace("Plain_SupportFiles", "Menu_SupportFiles"), o.out);
}

TEST_F(LayoutCommands, DumpRealsReadBackToTheSameDouble)
{
    // The spacing rule leaves 3.8 - 9 x 0.2, which no three-decimal form matches.
    const QString text = test::LayoutTextWithStrip(QStringLiteral(
        "<PriceTabSpacingFactor>3.000</PriceTabSpacingFactor><CaloriesSpacingFactor>3.800</CaloriesSpacingFactor>"
        "<PricesTextParams><Text>1^2</Text><Xref>0.1</Xref></PricesTextParams>"));
    const QString path = dir.file(QStringLiteral("Spacing.XZORVAN"));
    ASSERT_TRUE(test::WriteFile(path, EncodeLayoutBytes(text)));
    MenuData read;
    ASSERT_TRUE(ReadLayoutText(text, read).ok);

    const Outcome o = RunZorvan({QStringLiteral("dump"), path});
    ASSERT_EQ(o.status, cli::kExitOk);
    const QJsonObject strip = QJsonDocument::fromJson(o.out).object().value(QLatin1String("Strips")).toArray()[0].toObject();
    EXPECT_EQ(strip.value(QLatin1String("CaloriesSpacingFactor")).toDouble(), read.strip(0, 0).CaloriesSpacingFactor);
    EXPECT_NE(read.strip(0, 0).CaloriesSpacingFactor, 2.0);
    EXPECT_TRUE(o.out.contains("\"Xref\": 0.1,"));
}

TEST_F(LayoutCommands, DumpReadsLegacyElements)
{
    const QString text = test::LayoutTextWithStrip(QStringLiteral(
        "<SubImageCropPercentage>80</SubImageCropPercentage><DropShadowColor>1,2,3</DropShadowColor>"
        "<MainItemTextParams><Text>Tea</Text></MainItemTextParams>"));
    const QString path = dir.file(QStringLiteral("Old.XZORVAN"));
    ASSERT_TRUE(test::WriteFile(path, EncodeLayoutBytes(ScrambleLayoutText(text))));
    const Outcome o = RunZorvan({QStringLiteral("dump"), path});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    const QJsonObject strip = QJsonDocument::fromJson(o.out).object().value(QLatin1String("Strips")).toArray()[0].toObject();
    EXPECT_EQ(strip.value(QLatin1String("SubImageCropPercentageX")).toInt(), 80);
    EXPECT_EQ(strip.value(QLatin1String("SubImageCropPercentageY")).toInt(), 80);
    EXPECT_EQ(strip.value(QLatin1String("MainItemTextParams")).toObject().value(QLatin1String("DropShadowColor")).toInteger(),
              qint64(MakeColour(1, 2, 3)));
}

TEST_F(LayoutCommands, LayoutTextPrintsWhatTheWriterProduces)
{
    // Whatever background the file names, the text names "Background.jpg".
    QString stored = plain;
    stored.replace(QStringLiteral("<BackgroundFileName>Background.jpg<"), QStringLiteral("<BackgroundFileName>Old.jpg<"));
    const QString path = dir.file(QStringLiteral("Old.XZORVAN"));
    ASSERT_TRUE(test::WriteFile(path, EncodeLayoutBytes(ScrambleLayoutText(stored))));
    // Picture paths are the ones the editor would use: in the support folder beside the file.
    for (const QString &p : {path, plainPath}) {
        MenuData resolved = *doc;
        const QString support = dir.file(QFileInfo(p).completeBaseName() + QStringLiteral("_SupportFiles"));
        for (int column = 0; column < resolved.NumberOfColumns; ++column)
            for (int row = 0; row < resolved.NumberOfRows; ++row) {
                QString &picture = resolved.strip(column, row).SubImageFileName;
                if (!picture.isEmpty())
                    picture = support + QLatin1Char('/') + LayoutFileNameOf(picture);
            }
        const Outcome o = RunZorvan({QStringLiteral("layout-text"), p});
        ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
        EXPECT_EQ(QString::fromUtf8(o.out), WriteLayoutText(resolved, QStringLiteral("Background.jpg")));
    }
}

TEST_F(LayoutCommands, FailuresNameTheFileOnOneLineAndPrintNothingElse)
{
    const QString notLayout = dir.file(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(test::WriteFile(notLayout, QByteArray("\xff\xd8\xff\xe0 not a layout at all")));
    const QString tooWide = dir.file(QStringLiteral("Wide.XZORVAN"));
    ASSERT_TRUE(test::WriteFile(tooWide, EncodeLayoutBytes(test::LayoutTextWithStrip(QString(), 12, 3))));
    const QString missing = dir.file(QStringLiteral("Missing.XZORVAN"));
    const struct {
        QStringList args;
        QString named;
    } cases[] = {
        {{QStringLiteral("dump"), missing}, missing},
        {{QStringLiteral("layout-text"), missing}, missing},
        {{QStringLiteral("dump"), notLayout}, notLayout},
        {{QStringLiteral("dump"), tooWide}, tooWide},
        {{QStringLiteral("dump"), dir.path()}, dir.path()},
        {{QStringLiteral("dump")}, QStringLiteral("dump")},
        {{QStringLiteral("layout-text"), plainPath, plainPath}, QStringLiteral("layout-text")},
        {{QStringLiteral("frobnicate")}, QStringLiteral("frobnicate")},
        {{}, QStringLiteral("no command")},
    };
    for (const auto &c : cases) {
        const Outcome o = RunZorvan(c.args);
        const QString args = c.args.join(u' ');
        EXPECT_EQ(o.status, cli::kExitError) << args.toStdString();
        EXPECT_TRUE(o.out.isEmpty()) << args.toStdString();
        EXPECT_TRUE(o.err.startsWith("zorvan: ")) << o.err.toStdString();
        EXPECT_TRUE(QString::fromUtf8(o.err).contains(c.named)) << o.err.toStdString();
        EXPECT_EQ(o.err.count('\n'), 1) << o.err.toStdString();
        EXPECT_TRUE(o.err.endsWith('\n'));
    }
}

TEST(ZorvanBinary, PrintsVersionAndFailsWithStatusTwo)
{
    const QString program = QStringLiteral(ZORVAN_BINARY_DIR "/src/cli/zorvan");
    QProcess process;
    process.start(program, {QStringLiteral("--version")});
    ASSERT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardOutput(), QByteArray("3.0.30.21\n"));

    process.start(program, {QStringLiteral("dump"), QStringLiteral("/nonexistent/Menu.XZORVAN")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    EXPECT_EQ(process.readAllStandardError(),
              QByteArray("zorvan: /nonexistent/Menu.XZORVAN: cannot be opened: No such file or directory\n"));
}
