#pragma once

#include "document/menudata.h"
#include "render/previewrefresh.h"
#include "render/renderstate.h"
#include "tempdir.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <memory>

namespace zorvan::test {

QImage SolidImage(int width, int height, const QColor &colour, QImage::Format format = QImage::Format_RGB32);

// Writes an image file in the given format; fails the test when it cannot.
QString WriteImage(const QString &path, const QImage &image, const char *format, int quality = 100);

// A small lossless board: a 200 x 100 mid-grey PNG background, a 2 x 2 grid
// and an available area large enough to show it at 1:1, so graphics and
// screen pixels differ only by the board's offset.
class BoardFixture {
public:
    BoardFixture(int width = 200, int height = 100, const QColor &colour = QColor(100, 100, 100));

    QString file(const QString &name) const { return dir.file(name); }
    // A picture file of one colour.
    QString picture(const QString &name, const QColor &colour, int width = 40, int height = 20);
    PreviewRefresh refresh(bool geometryOnly = false);

    TempDir dir;
    MenuData doc;
    std::unique_ptr<RenderState> state = std::make_unique<RenderState>();
    BoardRect area{10, 20, 1010, 1020};
};

// Colour of a pixel, without alpha.
QRgb RgbAt(const QImage &image, int x, int y);

} // namespace zorvan::test
