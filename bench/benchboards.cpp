#include "benchboards.h"

#include "render/imaging.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace zorvan::bench {

QImage PhotoLikeImage(int width, int height, QRgb from, QRgb to)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, QColor(from));
    gradient.setColorAt(1, QColor(to));
    painter.fillRect(image.rect(), gradient);
    painter.end();
    std::uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = static_cast<int>(seed >> 28) - 8;
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + grain, 0, 255), std::clamp(qGreen(p) + grain, 0, 255),
                           std::clamp(qBlue(p) + grain, 0, 255));
        }
    }
    return image;
}

void SaveJpeg(const QImage &image, const QString &path, int quality)
{
    if (!SaveImageFile(image, path, "image/jpeg", quality)) {
        std::fprintf(stderr, "zorvan-bench: cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

void SaveWithProxy(const QImage &image, const QString &path, const QString &proxyPath)
{
    SaveJpeg(image, path, 90);
    if (image.width() > 1600 || image.height() > 1600) {
        const double s = 1600.0 / std::max(image.width(), image.height());
        SaveJpeg(image.scaled(static_cast<int>(image.width() * s), static_cast<int>(image.height() * s),
                              Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                 proxyPath, 80);
    }
}

namespace {

QString PicturePath(const QString &folder, int i)
{
    return QDir(folder).filePath(QStringLiteral("Item%1.jpg").arg(i));
}

} // namespace

void WritePictureBoardFiles(const QString &folder)
{
    const QDir dir(folder);
    SaveWithProxy(PhotoLikeImage(1920, 1080, qRgb(30, 40, 90), qRgb(120, 30, 20)),
                  dir.filePath(QStringLiteral("Background.jpg")), dir.filePath(QStringLiteral("Background_Proxy.jpg")));
    for (int i = 0; i < 8; ++i)
        SaveWithProxy(PhotoLikeImage(2400, 1800, qRgb(200, 150 + i * 10, 40), qRgb(90, 60, 30 + i * 20)),
                      PicturePath(folder, i), dir.filePath(QStringLiteral("Item%1_Proxy.jpg").arg(i)));
}

MenuData PictureBoardDocument(const QString &folder)
{
    MenuData doc;
    doc.BackgroundPath = QDir(folder).filePath(QStringLiteral("Background.jpg"));
    doc.NumberOfColumns = 2;
    doc.NumberOfRows = 16;
    for (int c = 0; c < 2; ++c) {
        for (int r = 0; r < 16; ++r) {
            StripData &s = doc.strip(c, r);
            s.BackGroundColor = MakeColour(20 * (r % 8), 40 * c, 120);
            s.SubImageFrameIndex = r % 4;
            s.XOffsetFactor = 0.02;
            s.XSizeFactor = 0.96;
            s.MainItemTextParams.Text = QStringLiteral("Chicken Sandwich %1").arg(c * 16 + r);
            s.MainItemTextParams.Font = QStringLiteral("Liberation Sans");
            s.MainItemTextParams.ScaleFactor = 0.4;
            s.MainItemTextParams.Xref = 0.3;
            s.MainItemTextParams.Yref = 0.1;
            s.PricesTextParams.Text = QStringLiteral("5.49>450");
            s.PricesTextParams.Font = QStringLiteral("DejaVu Sans");
            s.PricesTextParams.ScaleFactor = 0.35;
            s.PricesTextParams.Xref = 0.9;
            s.PricesTextParams.Yref = 0.1;
            s.PricesTextParams.GroupAlignment = 2;
            if (r % 4 == 0) {
                // A picture at the left of every fourth strip, two rows tall.
                const int i = c * 4 + r / 4;
                s.SubImageFileName = PicturePath(folder, i);
                s.SubImageFrameIndex = 1 + i % 9;
                s.SubImageCropPercentageX = s.SubImageCropPercentageY = 100;
                s.XSizeFactor = 0.25;
                s.YSizeFactor = 2.0;
            }
        }
    }
    return doc;
}

void WriteTextBoardFiles(const QString &folder)
{
    const QDir dir(folder);
    SaveWithProxy(PhotoLikeImage(1080, 1920, qRgb(20, 30, 70), qRgb(90, 20, 20)),
                  dir.filePath(QStringLiteral("Background.jpg")), dir.filePath(QStringLiteral("Background_Proxy.jpg")));
}

void FillTextHeavyStrips(MenuData &doc, int columns, int rows)
{
    const QString faces[] = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                             QStringLiteral("Open Sans")};
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            StripData &s = doc.strip(c, r);
            s.CaloriesTextColor = 0x0000FFFF;
            s.CaloriesItalics = (r % 2) == 1;
            TextParams &main = s.MainItemTextParams;
            main.Text = QStringLiteral("Double Cheeseburger %1\r\nDeluxe").arg(c * rows + r);
            main.Font = faces[(c + r) % 3];
            main.Bold = true;
            main.ScaleFactor = 0.3;
            main.Xref = 0.03;
            main.Yref = 0.02;
            main.DropShadowColor = 0x00000000;
            TextParams &sub = s.SubItemsTextParams;
            sub.Text = QStringLiteral("with fries, pickles and onions\r\nand a small drink");
            sub.Font = faces[(c + r + 1) % 3];
            sub.ScaleFactor = 0.15;
            sub.Yref = 0.55;
            sub.Italics = (c % 2) == 0;
            TextParams &prices = s.PricesTextParams;
            prices.Text = QStringLiteral("Small^Medium^~Large\r\n4.99>250^6.49>410^7.99>560");
            prices.Font = faces[(c + r + 2) % 3];
            prices.ScaleFactor = 0.2;
            prices.Yref = 0.3;
            prices.DropShadowColor = 0x00202020;
            prices.GroupAlignment = (c + r) % 3;
        }
    }
}

MenuData TextBoardDocument(const QString &folder)
{
    MenuData doc;
    doc.BackgroundPath = QDir(folder).filePath(QStringLiteral("Background.jpg"));
    doc.NumberOfColumns = kMaxColumns;
    doc.NumberOfRows = kMaxRows;
    FillTextHeavyStrips(doc, kMaxColumns, kMaxRows);
    return doc;
}

} // namespace zorvan::bench
