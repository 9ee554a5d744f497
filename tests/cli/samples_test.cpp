// The demo boards in samples/ are what a newcomer opens first: they must
// open, render and keep showing every kind of strip the editor draws.

#include "clicommands.h"
#include "clirun.h"
#include "progressbar.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zorvan;

namespace {

using test::Outcome;
QString Sample(const char *name)
{
    return QStringLiteral(ZORVAN_SOURCE_DIR "/samples/") + QLatin1String(name);
}

struct Board {
    const char *container;
    const char *tvImage;
    QSize size;
};

const Board kBoards[] = {
    {"ZorvanBistro_LAYOUT.ZORVAN", "ZorvanBistro_TV.jpg", QSize(1920, 1080)},
    {"ZorvanCoffeeBar_LAYOUT.ZORVAN", "ZorvanCoffeeBar_TV.jpg", QSize(1080, 1920)},
};

TEST(DemoBoards, RenderAsTheirShippedTvImages)
{
    for (const Board &board : kBoards) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString out = dir.filePath(QStringLiteral("board.jpg"));
        const Outcome o = test::RunZorvan({QStringLiteral("render"), Sample(board.container), QStringLiteral("-o"), out});
        ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
        EXPECT_EQ(o.out, out.toUtf8() + '\n');
        const QImage rendered(out);
        const QImage shipped(Sample(board.tvImage));
        ASSERT_FALSE(shipped.isNull()) << board.tvImage;
        EXPECT_EQ(rendered.size(), board.size);
        EXPECT_EQ(shipped.size(), board.size);
    }
    EXPECT_EQ(QImage(Sample("ZorvanBistro_TV_WHITE_PRINT_BGND.jpg")).size(), QSize(1920, 1080));
}

// Debian's free faces are installed with the editor, so the boards open
// without a font stop; the containers still carry the files, as a save does.
TEST(DemoBoards, CarryTheirFontsAndNeedNoneMissing)
{
    for (const Board &board : kBoards) {
        const Outcome o = test::RunZorvan({QStringLiteral("fonts"), Sample(board.container)});
        ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
        const QStringList lines = QString::fromUtf8(o.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_FALSE(lines.isEmpty());
        for (const QString &line : lines) {
            const QStringList fields = line.split(QLatin1Char('\t'));
            ASSERT_EQ(fields.size(), 4) << qPrintable(line);
            EXPECT_EQ(fields[1], QLatin1String("installed")) << qPrintable(line);
            EXPECT_NE(fields[2], QLatin1String("-")) << qPrintable(line);
        }
    }
}

TEST(DemoBoards, ShowEveryKindOfStrip)
{
    constexpr int kNone = 65536;
    for (const Board &board : kBoards) {
        const Outcome o = test::RunZorvan({QStringLiteral("dump"), Sample(board.container)});
        ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
        const QJsonArray strips = QJsonDocument::fromJson(o.out).object().value(QLatin1String("Strips")).toArray();
        bool fill = false, frame = false, crop = false, brightness = false, shadow = false, tabs = false,
             calories = false, hiddenOnWhite = false;
        for (const QJsonValue &value : strips) {
            const QJsonObject s = value.toObject();
            fill |= s.value(QLatin1String("BackGroundColor")).toInt() != kNone;
            frame |= s.value(QLatin1String("SubImageFrameIndex")).toInt() > 0;
            const int cropX = s.value(QLatin1String("SubImageCropPercentageX")).toInt();
            crop |= cropX >= 1 && cropX <= 99;
            brightness |= s.value(QLatin1String("SubImageBrightnessFactor")).toInt() != 0;
            hiddenOnWhite |= s.value(QLatin1String("ImageHiddenOnWhite")).toBool();
            const QJsonObject prices = s.value(QLatin1String("PricesTextParams")).toObject();
            const QString text = prices.value(QLatin1String("Text")).toString();
            tabs |= text.contains(QLatin1Char('^'));
            calories |= text.contains(QLatin1Char('>')) || text.contains(QLatin1Char('<'));
            shadow |= prices.value(QLatin1String("DropShadowColor")).toInt() != kNone;
        }
        EXPECT_TRUE(fill && frame && crop && brightness && shadow && tabs && calories && hiddenOnWhite)
            << board.container << ": fill " << fill << ", frame " << frame << ", crop " << crop << ", brightness "
            << brightness << ", shadow " << shadow << ", tabs " << tabs << ", calories " << calories
            << ", hidden on white " << hiddenOnWhite;
    }
}

// On a terminal the render shows its bar and erases it before the path.
TEST(DemoBoards, RenderOnATerminalErasesItsBarBeforeThePath)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString out = dir.filePath(QStringLiteral("board.jpg"));
    cli::ProgressBar::SetEnabled(true);
    const Outcome o = test::RunZorvan({QStringLiteral("render"), Sample(kBoards[0].container), QStringLiteral("-o"), out});
    cli::ProgressBar::SetEnabled(false);
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    EXPECT_TRUE(o.out.startsWith("\r\033[Krender ["));
    EXPECT_TRUE(o.out.contains("writing the TV image"));
    EXPECT_TRUE(o.out.endsWith("\r\033[K" + out.toUtf8() + '\n')) << o.out.toStdString();
}

} // namespace
