#include "benchmark.h"

#include "assets/imageassets.h"
#include "assets/pictureimport.h"
#include "assets/pictureproxy.h"
#include "document/stripdata.h"
#include "document/userprompts.h"
#include "render/imaging.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using namespace zorvan;

namespace {

// A phone photo: smooth gradient with grain, 4000 x 3000, JPEG quality 90.
QByteArray PhotoJpeg(int orientation)
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, image.width(), image.height());
    gradient.setColorAt(0, QColor(200, 150, 40));
    gradient.setColorAt(1, QColor(60, 30, 90));
    painter.fillRect(image.rect(), gradient);
    painter.end();
    std::uint32_t seed = 99;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = static_cast<int>(seed >> 28) - 8;
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + grain, 0, 255), std::clamp(qGreen(p) + grain, 0, 255),
                           std::clamp(qBlue(p) + grain, 0, 255));
        }
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    writer.write(image);
    if (orientation == 1)
        return jpeg;
    const char tiff[] = {'M', 'M', 0, 0x2A, 0, 0, 0, 8, 0, 1, 0x01, 0x12, 0, 3, 0, 0, 0, 1, 0,
                         static_cast<char>(orientation), 0, 0, 0, 0, 0, 0};
    const QByteArray payload = QByteArray("Exif\0\0", 6) + QByteArray(tiff, sizeof tiff);
    const int length = int(payload.size()) + 2;
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char(length >> 8)).append(char(length & 0xFF)).append(payload);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

QString WriteSource(const QTemporaryDir &dir, int orientation)
{
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Photo.jpg"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(PhotoJpeg(orientation)) < 0) {
        std::fprintf(stderr, "picture bench: cannot write %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

// Each import goes into a fresh work folder, so every run copies and proxies
// under the plain name.
bench::Measurement ImportMeasurement(int orientation)
{
    QTemporaryDir sourceDir;
    const QString source = WriteSource(sourceDir, orientation);
    const double ms = bench::MedianMilliseconds(5, [&] {
        QTemporaryDir work;
        QueuedPrompts prompts;
        const ImageAssets assets{work.path(), prompts};
        StripData strip;
        ImportPicture(source, strip, assets);
    });
    return {ms, "ms", 0.0};
}

const bench::Registration importUpright{"picture-import-4000x3000", [] { return ImportMeasurement(1); }};
const bench::Registration importRotated{"picture-import-rotated-4000x3000", [] { return ImportMeasurement(6); }};

// One press of a brightness button: the proxy made again with the new brightness.
const bench::Registration brightnessPress{"brightness-proxy-4000x3000", [] {
    QTemporaryDir dir;
    StripData strip;
    strip.SubImageFileName = WriteSource(dir, 1);
    strip.SubImageBrightnessFactor = 0;
    QueuedPrompts prompts;
    const double ms = bench::MedianMilliseconds(5, [&] {
        strip.SubImageBrightnessFactor += 20;
        RemakeStripPictureProxy(strip, prompts);
    });
    return bench::Measurement{ms, "ms", 0.0};
}};

} // namespace
