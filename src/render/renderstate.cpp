#include "render/renderstate.h"

namespace zorvan {

RenderState::RenderState()
{
    priceTabSpacing.fill(0);
}

double RenderState::textRectLeft(int column, int row, int textItem) const
{
    return textScreenRects.at(column, row)[static_cast<std::size_t>(textItem)].x();
}

double RenderState::pictureRectLeft(int column, int row) const
{
    return stripScreenRects.at(column, row).x();
}

void RenderState::ForgetStripRects(int column, int row)
{
    textScreenRects.at(column, row).fill(QRectF());
    stripScreenRects.at(column, row) = QRectF();
}

void RenderState::ForgetAllStripRects()
{
    textScreenRects.fill({});
    stripScreenRects.fill(QRectF());
}

} // namespace zorvan
