#include "render/previewrefresh.h"

#include "renderfixture.h"

#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <gtest/gtest.h>

namespace zorvan {
namespace {

using test::BoardFixture;
using test::RgbAt;

QString WriteJpegAtDpi(const QString &path, int width, int height, int dpi)
{
    QImage image = test::SolidImage(width, height, Qt::darkGreen);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    return test::WriteImage(path, image, "jpeg", 90);
}

TEST(Refresh, ResolutionReadOutWhenPending)
{
    BoardFixture f;
    f.doc.BackgroundPath = WriteJpegAtDpi(f.file(QStringLiteral("Background.jpg")), 600, 300, 300);
    f.state->resolutionReadoutPending = true;
    PreviewRefresh r = f.refresh(true);
    EXPECT_EQ(r.resolutionText, QStringLiteral("      Resolution: 600 x 300 at 300 PPI (2.0 in x 1.0 in)"));
    EXPECT_FALSE(f.state->resolutionReadoutPending);
    EXPECT_EQ(f.state->imageResolution, 300);
    EXPECT_TRUE(f.refresh(true).resolutionText.isEmpty());
    EXPECT_EQ(f.state->backgroundExtension, QStringLiteral("jpg"));
}

TEST(Refresh, ProxyBackgroundForThePreviewFullSizeForOutput)
{
    BoardFixture f(400, 200);
    f.state->workFolder = f.dir.path();
    test::WriteImage(QDir(f.dir.path()).filePath(QStringLiteral("Background_Proxy.jpg")),
                     test::SolidImage(200, 100, Qt::black), "jpeg");
    f.state->backgroundProxyInUse = true;
    f.state->pictureProxiesInUse = true;
    f.refresh(true);
    EXPECT_EQ(f.state->imageWidth, 200);

    const PreviewRefresh output = RunOutputRefresh(*f.state, f.doc, f.area);
    EXPECT_EQ(output.board.width(), 400);
    EXPECT_EQ(f.state->imageWidth, 400);
    EXPECT_DOUBLE_EQ(f.state->screenRatio, 1.0);
    EXPECT_TRUE(f.state->backgroundProxyInUse);
    EXPECT_TRUE(f.state->pictureProxiesInUse);
    EXPECT_FALSE(f.state->outputRender);
}

TEST(Refresh, PreviewDrawsTheBoardScaledIntoTheBoardRectangle)
{
    BoardFixture f(400, 200);
    f.area = {0, 0, 200, 200};
    f.doc.strip(1, 1).BackGroundColor = MakeColour(255, 0, 0);
    const PreviewRefresh r = f.refresh();
    // Width-limited: 200 x 100 centred vertically.
    EXPECT_EQ(f.state->boardRect, (BoardRect{0, 50, 200, 150}));
    QImage window = test::SolidImage(200, 200, kButtonFaceGrey);
    QPainter painter(&window);
    DrawBoardPreview(painter, r.board, *f.state);
    painter.end();
    EXPECT_EQ(f.state->previewDestRect, QRectF(0, 50, 200, 100));
    EXPECT_EQ(RgbAt(window, 100, 20), kButtonFaceGrey.rgb() & 0xFFFFFF);
    EXPECT_EQ(RgbAt(window, 50, 75), 0x646464u);
    EXPECT_EQ(RgbAt(window, 150, 125), 0xFF0000u);
}

} // namespace
} // namespace zorvan
