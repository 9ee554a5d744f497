#include "render/pictureframe.h"

#include "document/stripdata.h"
#include "render/inkcapture.h"
#include "render/renderstate.h"

#include <QPainter>
#include <QPen>

namespace zorvan {

FrameStyle PictureFrameStyle(const StripData &strip, const RenderState &state)
{
    FrameStyle style;
    const int index = strip.SubImageFrameIndex;
    if (index <= 0 || (state.whitePrint && strip.ImageHiddenOnWhite))
        return style;
    const double imageSpan = static_cast<double>(state.imageWidth) + state.imageHeight;
    const double baseWidth = imageSpan * 0.0016;
    style.visible = true;
    if (strip.ImageHiddenOnWhite) {
        style.colour = QColor(128, 128, 128);
        style.width = baseWidth * 0.5;
        return style;
    }
    if (state.whitePrint) {
        style.colour = Qt::black;
        style.width = imageSpan * 0.001;
        return style;
    }
    if (index >= 10) {
        style.colour = Qt::black;
        style.width = 0.0;
        return style;
    }
    static const QColor colours[3] = {QColor(0, 0, 0), QColor(255, 255, 255), QColor(128, 128, 128)};
    static const double widths[3] = {1.0, 1.5, 2.25};
    style.colour = colours[(index - 1) / 3];
    style.width = baseWidth * widths[(index - 1) % 3];
    return style;
}

void DrawPictureFrame(QPainter &painter, const RenderState &state, const StripData &strip, const QRectF &rect)
{
    const FrameStyle style = PictureFrameStyle(strip, state);
    if (!style.visible)
        return;
    const double half = style.width / 2.0;
    ReportInk(painter, rect.adjusted(-half, -half, half, half), 2.0);
    if (InkOnly())
        return;
    QPen pen(style.colour);
    pen.setWidthF(style.width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect);
    painter.restore();
}

} // namespace zorvan
