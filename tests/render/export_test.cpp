#include "render/boardexport.h"
#include "render/boardimagenames.h"
#include "render/imaging.h"
#include "render/previewrefresh.h"

#include "renderfixture.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <gtest/gtest.h>

namespace zorvan {
namespace {

using test::BoardFixture;

TEST(BoardImageNames, TvImageBesideTheLayout)
{
    const struct {
        const char *layout;
        bool white;
        const char *tv;
    } cases[] = {
        {"/m/Lunch_LAYOUT.ZORVAN", false, "/m/Lunch_TV.jpg"},
        {"/m/Lunch_LAYOUT.ZORVAN", true, "/m/Lunch_TV_WHITE_PRINT_BGND.jpg"},
        {"/m/Lunch_LAYOUT_WHITE_PRINT_BGND.ZORVAN", true, "/m/Lunch_TV_WHITE_PRINT_BGND.jpg"},
        {"/m/Lunch_LAYOUT_WHITE_PRINT_BGND.ZORVAN", false, "/m/Lunch_TV.jpg"},
        {"/m/Dinner.ZORVAN", false, "/m/Dinner_TV.jpg"},
        {"/m/Dinner_layout.zorvan", false, "/m/Dinner_layout.zorvan"}, // the rules are case-sensitive
        // Folders keep their names, whatever they hold.
        {"/m/Week_LAYOUT_WHITE_PRINT_BGND/Lunch_LAYOUT.ZORVAN", false, "/m/Week_LAYOUT_WHITE_PRINT_BGND/Lunch_TV.jpg"},
        {"/m/Old.ZORVAN/Lunch_LAYOUT.ZORVAN", true, "/m/Old.ZORVAN/Lunch_TV_WHITE_PRINT_BGND.jpg"},
        {"C:\\Menus_LAYOUT.ZORVAN\\Lunch_LAYOUT.ZORVAN", false, "C:\\Menus_LAYOUT.ZORVAN\\Lunch_TV.jpg"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TvImagePath(QString::fromLatin1(c.layout), c.white), QString::fromLatin1(c.tv)) << c.layout;
    EXPECT_EQ(NormaliseLayoutPath(QStringLiteral("/m/A_LAYOUT.ZORVAN")), QStringLiteral("/m/A.ZORVAN"));
    EXPECT_EQ(PrintImagePath(QStringLiteral("/data/Trelmont")), QStringLiteral("/data/Trelmont/print.jpg"));
}

TEST(BoardImageNames, EncoderByBackgroundExtension)
{
    const struct {
        const char *extension;
        const char *mime;
    } cases[] = {
        {"tif", "image/tiff"}, {"TIF", "image/tiff"}, {"bmp", "image/bmp"}, {"BMP", "image/bmp"},
        {"jpg", "image/jpeg"}, {"png", "image/jpeg"}, {"Tif", "image/jpeg"}, {"tiff", "image/jpeg"}, {"", "image/jpeg"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BoardImageMimeType(QString::fromLatin1(c.extension)), QByteArray(c.mime)) << c.extension;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(RotationData, ReadAndWrittenAsOneUtf16Digit)
{
    test::TempDir dir;
    EXPECT_EQ(ReadRotationData(dir.path()), TvRotation::None); // no file
    const struct {
        QByteArray bytes;
        TvRotation rotation;
    } cases[] = {
        {QByteArray("1\0", 2), TvRotation::Clockwise},
        {QByteArray("2\0", 2), TvRotation::CounterClockwise},
        {QByteArray("0\0", 2), TvRotation::None},
        {QByteArray("2\0" "7\0", 4), TvRotation::CounterClockwise}, // only the first character counts
        {QByteArray("x\0", 2), TvRotation::None},
        {QByteArray("2"), TvRotation::None}, // not UTF-16
        {QByteArray(), TvRotation::None},
    };
    for (const auto &c : cases) {
        WriteAll(RotationDataPath(dir.path()), c.bytes);
        EXPECT_EQ(ReadRotationData(dir.path()), c.rotation) << c.bytes.toHex().constData();
    }
    for (TvRotation r : {TvRotation::None, TvRotation::Clockwise, TvRotation::CounterClockwise}) {
        ASSERT_TRUE(WriteRotationData(dir.path(), r));
        QByteArray expected(2, '\0');
        expected[0] = static_cast<char>('0' + static_cast<int>(r));
        EXPECT_EQ(ReadAll(RotationDataPath(dir.path())), expected);
    }
}

TEST(RotationData, AskPreselectsTheLastChoiceAndRemembersTheNewOne)
{
    test::TempDir dir;
    WriteAll(RotationDataPath(dir.path()), QByteArray("2\0", 2));
    TvRotation offered = TvRotation::None;
    const TvRotation chosen = AskRotation(dir.path(), [&](TvRotation preselected) {
        offered = preselected;
        return TvRotation::None;
    });
    EXPECT_EQ(offered, TvRotation::CounterClockwise);
    EXPECT_EQ(chosen, TvRotation::None);
    EXPECT_EQ(ReadAll(RotationDataPath(dir.path())), QByteArray("0\0", 2));
}

// A board with its top row marked: a 1 x 4 grid whose first strip is red.
class ExportTest : public ::testing::Test {
protected:
    void prepare(int width, int height, const char *format = "png", const QString &name = QStringLiteral("Background.png"))
    {
        f = std::make_unique<BoardFixture>(width, height);
        f->doc.BackgroundPath = test::WriteImage(f->file(name), test::SolidImage(width, height, QColor(100, 100, 100)), format);
        f->doc.NumberOfColumns = 1;
        f->doc.NumberOfRows = 4;
        f->doc.strip(0, 0).BackGroundColor = MakeColour(255, 0, 0);
        f->area = {0, 0, 1600, 900};
        trelmont = f->file(QStringLiteral("Trelmont"));
        QDir().mkpath(trelmont);
        options.layoutPath = f->file(QStringLiteral("Lunch_LAYOUT.ZORVAN"));
        options.trelmontFolder = trelmont;
    }

    QString exportBoard(QString *error = nullptr)
    {
        RunOutputRefresh(*f->state, f->doc, f->area);
        return ExportBoardImage(f->doc, *f->state, options, error);
    }

    static bool IsRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 50 && qBlue(c) < 50; }
    static bool IsGrey(QRgb c) { return std::abs(qRed(c) - 100) < 8 && std::abs(qBlue(c) - 100) < 8; }

    std::unique_ptr<BoardFixture> f;
    QString trelmont;
    BoardExportOptions options;
};

TEST_F(ExportTest, WritesTheFullSizeBoardAsJpegBesideTheLayout)
{
    prepare(640, 360);
    const QString path = exportBoard();
    EXPECT_EQ(path, f->file(QStringLiteral("Lunch_TV.jpg")));
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    const QImage image = reader.read();
    ASSERT_EQ(image.size(), QSize(640, 360));
    EXPECT_TRUE(IsRed(image.pixel(320, 40)));
    EXPECT_TRUE(IsGrey(image.pixel(320, 300)));
    EXPECT_FALSE(f->state->outputRender);
}

TEST_F(ExportTest, KeepsTheBackgroundsResolution)
{
    prepare(300, 600);
    QImage background = test::SolidImage(300, 600, QColor(100, 100, 100));
    background.setDotsPerMeterX(qRound(300 / 0.0254));
    background.setDotsPerMeterY(qRound(150 / 0.0254));
    f->doc.BackgroundPath = test::WriteImage(f->file(QStringLiteral("Background.jpg")), background, "jpeg");
    options.askRotation = [](TvRotation) { return TvRotation::Clockwise; };
    const QString path = exportBoard();
    ASSERT_FALSE(path.isEmpty());
    EXPECT_EQ(QImageReader(path).size(), QSize(600, 300));
    // Turned a quarter, the two densities change places.
    const ImageResolution r = ReadImageResolution(path);
    EXPECT_NEAR(r.x, 150, 0.5);
    EXPECT_NEAR(r.y, 300, 0.5);
}

TEST_F(ExportTest, AnExplicitOutputPathWins)
{
    prepare(64, 48);
    options.outputPath = f->file(QStringLiteral("elsewhere.jpg"));
    EXPECT_EQ(exportBoard(), options.outputPath);
    EXPECT_EQ(QImage(options.outputPath).size(), QSize(64, 48));
    EXPECT_FALSE(QFile::exists(f->file(QStringLiteral("Lunch_TV.jpg"))));
}

TEST_F(ExportTest, CommandLineRotationIsNotRemembered)
{
    prepare(270, 480);
    options.trelmontFolder.clear();
    TvRotation offered = TvRotation::Clockwise;
    options.askRotation = [&](TvRotation preselected) {
        offered = preselected;
        return TvRotation::CounterClockwise;
    };
    EXPECT_EQ(QImage(exportBoard()).size(), QSize(480, 270));
    EXPECT_EQ(offered, TvRotation::None);
    EXPECT_FALSE(QFile::exists(RotationDataPath(trelmont)));
    EXPECT_FALSE(QFile::exists(QStringLiteral("RotationData.txt")));
}

TEST_F(ExportTest, WhitePrintBoardHasItsOwnName)
{
    prepare(640, 360);
    f->state->whitePrint = true;
    const QString path = exportBoard();
    EXPECT_EQ(path, f->file(QStringLiteral("Lunch_TV_WHITE_PRINT_BGND.jpg")));
    const QImage image(path);
    EXPECT_GT(qGray(image.pixel(320, 300)), 245);
    EXPECT_GT(qGray(image.pixel(320, 40)), 245); // no fills in white print
}

TEST_F(ExportTest, TiffAndBmpBackgroundsKeepTheirFormatUnderTheJpgName)
{
    for (const auto &[name, format] : {std::pair{"Background.tif", "tiff"}, std::pair{"Background.bmp", "bmp"}}) {
        prepare(64, 48, format, QString::fromLatin1(name));
        const QString path = exportBoard();
        EXPECT_EQ(path, f->file(QStringLiteral("Lunch_TV.jpg")));
        EXPECT_EQ(QImageReader(path).format(), QByteArray(format));
        EXPECT_EQ(QImage(path).pixel(32, 2) & 0xFFFFFF, 0xFF0000u) << format;
    }
}

TEST_F(ExportTest, PortraitBoardTurnedClockwiseHasItsTopAtTheRight)
{
    prepare(1080, 1920);
    TvRotation offered = TvRotation::CounterClockwise;
    options.askRotation = [&](TvRotation preselected) {
        offered = preselected;
        return TvRotation::Clockwise;
    };
    const QImage image(exportBoard());
    EXPECT_EQ(offered, TvRotation::None);
    ASSERT_EQ(image.size(), QSize(1920, 1080));
    EXPECT_TRUE(IsRed(image.pixel(1900, 540)));
    EXPECT_TRUE(IsGrey(image.pixel(20, 540)));
    EXPECT_EQ(ReadAll(RotationDataPath(trelmont)), QByteArray("1\0", 2));
}

TEST_F(ExportTest, PortraitBoardTurnedCounterClockwiseHasItsTopAtTheLeft)
{
    prepare(270, 480);
    options.askRotation = [](TvRotation) { return TvRotation::CounterClockwise; };
    const QImage image(exportBoard());
    ASSERT_EQ(image.size(), QSize(480, 270));
    EXPECT_TRUE(IsRed(image.pixel(10, 135)));
    EXPECT_TRUE(IsGrey(image.pixel(470, 135)));
}

TEST_F(ExportTest, LandscapeBoardsAndPrintsAreNeverTurned)
{
    const auto neverAsked = [](TvRotation) -> TvRotation {
        ADD_FAILURE() << "the rotation was asked for";
        return TvRotation::Clockwise;
    };
    prepare(480, 480); // square counts as landscape
    options.askRotation = neverAsked;
    EXPECT_EQ(QImage(exportBoard()).size(), QSize(480, 480));

    prepare(270, 480);
    options.askRotation = neverAsked;
    options.forPrint = true;
    const QString path = exportBoard();
    EXPECT_EQ(path, QDir(trelmont).filePath(QStringLiteral("print.jpg")));
    EXPECT_EQ(QImage(path).size(), QSize(270, 480));
    EXPECT_FALSE(QFile::exists(RotationDataPath(trelmont)));
}

TEST_F(ExportTest, FailureReturnsNoPathAndAReason)
{
    prepare(64, 48);
    options.layoutPath = f->file(QStringLiteral("no/such/folder/Lunch_LAYOUT.ZORVAN"));
    QString error;
    EXPECT_TRUE(exportBoard(&error).isEmpty());
    EXPECT_TRUE(error.contains(QStringLiteral("Lunch_TV.jpg"))) << qPrintable(error);

    // A layout name the rules leave alone would be overwritten by its own TV image.
    prepare(64, 48);
    options.layoutPath = f->file(QStringLiteral("Lunch.layout"));
    WriteAll(options.layoutPath, "layout");
    EXPECT_TRUE(exportBoard(&error).isEmpty());
    EXPECT_EQ(ReadAll(options.layoutPath), QByteArray("layout"));

    prepare(64, 48);
    RunOutputRefresh(*f->state, f->doc, f->area);
    QFile::remove(f->doc.BackgroundPath);
    EXPECT_TRUE(ExportBoardImage(f->doc, *f->state, options, &error).isEmpty());
    EXPECT_FALSE(QFile::exists(f->file(QStringLiteral("Lunch_TV.jpg"))));
}

} // namespace
} // namespace zorvan
