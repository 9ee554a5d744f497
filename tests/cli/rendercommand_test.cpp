#include "clicommands.h"
#include "clirun.h"

#include "document/container.h"
#include "document/layouttext.h"
#include "document/menudata.h"
#include "document/userprompts.h"

#include "tempdir.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

using namespace zorvan;

namespace {

using test::Outcome;
using test::RunZorvan;

void ExpectOneLineFailure(const Outcome &o, const QString &named)
{
    EXPECT_EQ(o.status, cli::kExitError);
    EXPECT_TRUE(o.out.isEmpty()) << o.out.toStdString();
    EXPECT_TRUE(o.err.startsWith("zorvan: ")) << o.err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(o.err).contains(named)) << o.err.toStdString();
    EXPECT_EQ(o.err.count('\n'), 1) << o.err.toStdString();
}

bool IsRed(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}

bool IsBackground(QRgb c)
{
    return std::abs(qRed(c) - 40) < 12 && std::abs(qGreen(c) - 90) < 12 && std::abs(qBlue(c) - 160) < 12;
}

// A board of one column and four rows whose top strip is filled red and
// whose second strip shows a green picture.
class RenderCommand : public ::testing::Test {
protected:
    void makeLayout(int width, int height)
    {
        work = dir.file(QStringLiteral("work"));
        ASSERT_TRUE(QDir().mkpath(work));
        QImage background(width, height, QImage::Format_RGB32);
        background.fill(qRgb(40, 90, 160));
        ASSERT_TRUE(background.save(work + QStringLiteral("/Background.jpg"), "JPEG", 95));
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(qRgb(0, 200, 0));
        ASSERT_TRUE(picture.save(work + QStringLiteral("/Salad.png"), "PNG"));
        doc = std::make_unique<MenuData>();
        doc->NumberOfColumns = 1;
        doc->NumberOfRows = 4;
        doc->strip(0, 0).BackGroundColor = MakeColour(255, 0, 0);
        doc->strip(0, 1).SubImageFileName = work + QStringLiteral("/Salad.png");
        doc->BackgroundPath = work + QStringLiteral("/Background.jpg");
    }

    QString packContainer(const QString &name)
    {
        const QString path = dir.file(name);
        ContainerSources sources;
        sources.workFolder = work;
        QueuedPrompts prompts;
        const PackResult packed = PackContainer(path, *doc, sources, prompts);
        EXPECT_TRUE(packed.ok) << packed.error.toStdString();
        return path;
    }

    test::TempDir dir;
    QString work;
    std::unique_ptr<MenuData> doc;
};

} // namespace

TEST_F(RenderCommand, WritesTheTvImageBesideTheContainer)
{
    makeLayout(320, 180);
    const QString container = packContainer(QStringLiteral("Lunch_LAYOUT.ZORVAN"));
    const Outcome o = RunZorvan({QStringLiteral("render"), container});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    const QString expected = dir.file(QStringLiteral("Lunch_TV.jpg"));
    EXPECT_EQ(o.out, expected.toUtf8() + '\n');
    QImageReader reader(expected);
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    const QImage image = reader.read();
    ASSERT_EQ(image.size(), QSize(320, 180));
    EXPECT_TRUE(IsRed(image.pixel(160, 20)));
    EXPECT_EQ(qGreen(image.pixel(160, 67)) > 180 && qRed(image.pixel(160, 67)) < 40, true);
    EXPECT_TRUE(IsBackground(image.pixel(160, 160)));
}

TEST_F(RenderCommand, WhitePrintFollowsTheLayoutUnlessToldOtherwise)
{
    makeLayout(320, 180);
    doc->WhitePrintBackground = true;
    const QString container = packContainer(QStringLiteral("Lunch_LAYOUT.ZORVAN"));
    Outcome o = RunZorvan({QStringLiteral("render"), container});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    const QImage white(dir.file(QStringLiteral("Lunch_TV_WHITE_PRINT_BGND.jpg")));
    ASSERT_FALSE(white.isNull());
    EXPECT_GT(qGray(white.pixel(160, 160)), 245);
    EXPECT_GT(qGray(white.pixel(160, 20)), 245); // no fills in white print

    o = RunZorvan({QStringLiteral("render"), container, QStringLiteral("--no-white-print")});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    EXPECT_TRUE(IsRed(QImage(dir.file(QStringLiteral("Lunch_TV.jpg"))).pixel(160, 20)));
}

TEST_F(RenderCommand, LegacyLayoutIsNamedAsItsContainer)
{
    makeLayout(320, 180);
    const QString support = dir.file(QStringLiteral("Lunch_SupportFiles"));
    ASSERT_TRUE(QDir().mkpath(support));
    ASSERT_TRUE(QFile::copy(work + QStringLiteral("/Background.jpg"), support + QStringLiteral("/Lunch-ZORVANBGD.jpg")));
    ASSERT_TRUE(QFile::copy(work + QStringLiteral("/Salad.png"), support + QStringLiteral("/Salad.png")));
    doc->strip(0, 1).SubImageFileName = QStringLiteral("C:\\Menus\\Lunch_SupportFiles\\Salad.png");
    const QString legacy = dir.file(QStringLiteral("ZorvanLayout_Lunch.XZORVAN"));
    QString error;
    ASSERT_TRUE(WriteLayoutTextFile(legacy, WriteLayoutText(*doc, QStringLiteral("Lunch-ZORVANBGD.jpg")), &error))
        << error.toStdString();
    const Outcome o = RunZorvan({QStringLiteral("render"), legacy});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    const QString expected = dir.file(QStringLiteral("Lunch_TV.jpg"));
    EXPECT_EQ(o.out, expected.toUtf8() + '\n');
    const QImage image(expected);
    EXPECT_TRUE(IsRed(image.pixel(160, 20)));
    EXPECT_GT(qGreen(image.pixel(160, 67)), 180);
}

TEST_F(RenderCommand, RotatesOnlyPortraitBoards)
{
    makeLayout(180, 320);
    const QString container = packContainer(QStringLiteral("Tall_LAYOUT.ZORVAN"));
    Outcome o = RunZorvan({QStringLiteral("render"), container, QStringLiteral("--rotate"), QStringLiteral("cw")});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    QImage image(dir.file(QStringLiteral("Tall_TV.jpg")));
    ASSERT_EQ(image.size(), QSize(320, 180));
    EXPECT_TRUE(IsRed(image.pixel(310, 90))); // the board's top at the right
    EXPECT_TRUE(IsBackground(image.pixel(10, 90)));

    o = RunZorvan({QStringLiteral("render"), container, QStringLiteral("--rotate"), QStringLiteral("ccw")});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    image = QImage(dir.file(QStringLiteral("Tall_TV.jpg")));
    EXPECT_TRUE(IsRed(image.pixel(10, 90)));

    o = RunZorvan({QStringLiteral("render"), container});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    EXPECT_EQ(QImage(dir.file(QStringLiteral("Tall_TV.jpg"))).size(), QSize(180, 320));

    makeLayout(320, 180);
    const QString wide = packContainer(QStringLiteral("Wide_LAYOUT.ZORVAN"));
    o = RunZorvan({QStringLiteral("render"), wide, QStringLiteral("--rotate"), QStringLiteral("cw")});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    EXPECT_EQ(QImage(dir.file(QStringLiteral("Wide_TV.jpg"))).size(), QSize(320, 180));
}

TEST_F(RenderCommand, WritesWhereToldAndThePreview)
{
    makeLayout(800, 400);
    const QString container = packContainer(QStringLiteral("Lunch_LAYOUT.ZORVAN"));
    const QString out = dir.file(QStringLiteral("board.jpg"));
    Outcome o = RunZorvan({QStringLiteral("render"), container, QStringLiteral("-o"), out});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    EXPECT_EQ(o.out, out.toUtf8() + '\n');
    EXPECT_EQ(QImage(out).size(), QSize(800, 400));
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("Lunch_TV.jpg"))));

    // In a 400 x 300 window the 800 x 400 board is halved and centred vertically.
    const QString preview = dir.file(QStringLiteral("preview.png"));
    o = RunZorvan({QStringLiteral("render"), container, QStringLiteral("--preview"), preview, QStringLiteral("--area"),
                   QStringLiteral("400x300")});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    EXPECT_EQ(o.out, preview.toUtf8() + '\n');
    QImageReader reader(preview);
    EXPECT_EQ(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    ASSERT_EQ(image.size(), QSize(400, 300));
    EXPECT_EQ(image.pixel(200, 20) & 0xFFFFFF, 0xF0F0F0u); // button-face grey above the board
    EXPECT_EQ(image.pixel(200, 290) & 0xFFFFFF, 0xF0F0F0u);
    EXPECT_TRUE(IsRed(image.pixel(200, 60)));
    EXPECT_TRUE(IsBackground(image.pixel(200, 230)));

    o = RunZorvan({QStringLiteral("render"), container, QStringLiteral("--preview"), preview});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    EXPECT_EQ(QImage(preview).size(), QSize(1600, 900));
}

TEST_F(RenderCommand, FailuresAreOneLineAndStatusTwo)
{
    makeLayout(320, 180);
    const QString container = packContainer(QStringLiteral("Lunch_LAYOUT.ZORVAN"));
    const QString render = QStringLiteral("render");
    const QString unwritable = dir.file(QStringLiteral("no/such/folder/board.jpg"));
    ExpectOneLineFailure(RunZorvan({render, container, QStringLiteral("-o"), unwritable}), unwritable);
    ExpectOneLineFailure(RunZorvan({render, container, QStringLiteral("--preview"), unwritable}), unwritable);
    const QString missing = dir.file(QStringLiteral("Missing_LAYOUT.ZORVAN"));
    ExpectOneLineFailure(RunZorvan({render, missing}), missing);
    const QStringList badArguments[] = {
        {render},
        {render, container, QStringLiteral("--rotate"), QStringLiteral("sideways")},
        {render, container, QStringLiteral("--rotate")},
        {render, container, QStringLiteral("--area"), QStringLiteral("0x300")},
        {render, container, QStringLiteral("--area"), QStringLiteral("wide")},
        {render, container, container},
        {render, container, QStringLiteral("-o"), QStringLiteral("a.jpg"), QStringLiteral("--preview"), QStringLiteral("b.png")},
        {render, container, QStringLiteral("--colour")},
    };
    for (const QStringList &args : badArguments)
        ExpectOneLineFailure(RunZorvan(args), render);

    // A layout whose background cannot be read is not reported as written.
    const QString broken = dir.file(QStringLiteral("ZorvanLayout_Broken.XZORVAN"));
    QString error;
    ASSERT_TRUE(WriteLayoutTextFile(broken, WriteLayoutText(*doc, QStringLiteral("Broken-ZORVANBGD.jpg")), &error));
    const Outcome o = RunZorvan({render, broken});
    ExpectOneLineFailure(o, QStringLiteral("Broken-ZORVANBGD.jpg"));
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("Broken_TV.jpg"))));
}
