#include "render/stripdrawer.h"

#include "document/menudata.h"
#include "render/boardgeometry.h"
#include "render/drawcolour.h"
#include "render/inkcapture.h"
#include "render/pictureframe.h"
#include "render/renderstate.h"
#include "render/strippicture.h"
#include "render/striptextpainter.h"

#include <QPainter>

namespace zorvan {

namespace {

// One pixel more on every side, and enough extra height that the box
// also covers the last screen row of the preview.
QRectF DrawnBox(const RenderState &state, QRectF box)
{
    box.adjust(-1.0, -1.0, 1.0, 1.0);
    box.setHeight(box.height() + 1.0 / state.screenRatio - 1.0);
    return box;
}

void DrawBoxStep(QPainter &painter, RenderState &state, const StripData &strip, QRectF box, int column, int row)
{
    box = DrawnBox(state, box);
    state.stripScreenRects.at(column, row) = GraphicsToScreen(state, box);
    if (strip.BackGroundColor != kNoColour && !state.whitePrint && strip.SubImageFileName.isEmpty()) {
        ReportInk(painter, box, 2.0);
        if (!InkOnly())
            painter.fillRect(box, ToQColor(strip.BackGroundColor));
    }
    DrawPictureFrame(painter, state, strip, box);
}

} // namespace

void RecordDrawnStripBox(RenderState &state, const MenuData &doc, int column, int row)
{
    if (!HasDrawableBoard(state) || state.screenRatio <= 0.0)
        return;
    const QRectF box = StripRectInGraphicsSpace(state, doc, column, row);
    state.stripScreenRects.at(column, row) = GraphicsToScreen(state, DrawnBox(state, box));
}

void DrawStrip(QPainter &painter, const MenuData &doc, RenderState &state, int column, int row, bool boxStep)
{
    const StripData &strip = doc.strip(column, row);
    if (!IsStripInUse(strip) || !HasDrawableBoard(state))
        return;
    const QRectF box = StripRectInGraphicsSpace(state, doc, column, row);
    if (boxStep) {
        DrawBoxStep(painter, state, strip, box, column, row);
        return;
    }
    DrawStripPicture(painter, state, strip, box);
    StripDrawContext context{doc, state, painter, strip, box};
    DrawStripTexts(context, column, row);
}

} // namespace zorvan
