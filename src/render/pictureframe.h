#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace zorvan {

class RenderState;
struct StripData;

struct FrameStyle {
    bool visible = false;
    QColor colour;
    double width = 0.0; // graphics pixels
};

// The frame a strip gets from its frame index, its hidden-on-white flag and
// the white print state; widths follow the size of the board image.
FrameStyle PictureFrameStyle(const StripData &strip, const RenderState &state);

void DrawPictureFrame(QPainter &painter, const RenderState &state, const StripData &strip, const QRectF &rect);

} // namespace zorvan
