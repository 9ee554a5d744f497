#include "renderfixture.h"

#include <QImageWriter>
#include <gtest/gtest.h>

namespace zorvan::test {

QImage SolidImage(int width, int height, const QColor &colour, QImage::Format format)
{
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

QString WriteImage(const QString &path, const QImage &image, const char *format, int quality)
{
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    EXPECT_TRUE(writer.write(image)) << qPrintable(path) << ": " << qPrintable(writer.errorString());
    return path;
}

BoardFixture::BoardFixture(int width, int height, const QColor &colour)
{
    doc.NumberOfColumns = 2;
    doc.NumberOfRows = 2;
    doc.BackgroundPath = WriteImage(dir.file(QStringLiteral("Background.png")), SolidImage(width, height, colour), "png");
}

QString BoardFixture::picture(const QString &name, const QColor &colour, int width, int height)
{
    const QString path = dir.file(name);
    const QByteArray format = name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? "png" : "jpeg";
    return WriteImage(path, SolidImage(width, height, colour), format.constData());
}

PreviewRefresh BoardFixture::refresh(bool geometryOnly)
{
    return RefreshPreview(*state, doc, area, geometryOnly);
}

QRgb RgbAt(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0x00FFFFFF;
}

} // namespace zorvan::test
