#include "render/brightness.h"

#include <QRgb>

#include <array>
#include <cstdint>

namespace zorvan {

int PictureTypeFromName(const QString &fileName)
{
    const auto containsPastFirst = [&fileName](const char *extension) {
        return fileName.indexOf(QLatin1String(extension)) > 0;
    };
    if (containsPastFirst(".jpg"))
        return 2;
    if (containsPastFirst(".png"))
        return 1;
    if (containsPastFirst(".gif"))
        return 0;
    return 2;
}

void AdjustBrightness(int /*pictureType*/, QImage &image, int value)
{
    if (value == 0 || image.isNull())
        return;
    const double factor = value / 255.0 + 1.0;
    std::array<std::uint8_t, 256> table{};
    for (int v = 0; v < 256; ++v) {
        // Truncated toward zero, then clamped.
        const int scaled = static_cast<int>(v * factor);
        table[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(std::clamp(scaled, 0, 255));
    }

    // Straight (not premultiplied) colour: a semi-transparent pixel keeps its
    // colour and only gains full opacity.
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const bool withAlpha = image.format() == QImage::Format_ARGB32;

    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = line[x];
            if (withAlpha && qAlpha(pixel) == 0)
                continue;
            line[x] = qRgba(table[static_cast<std::size_t>(qRed(pixel))], table[static_cast<std::size_t>(qGreen(pixel))],
                            table[static_cast<std::size_t>(qBlue(pixel))], 255);
        }
    }
}

} // namespace zorvan
