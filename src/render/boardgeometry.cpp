#include "render/boardgeometry.h"

#include "document/menudata.h"

namespace zorvan {

BoardRect FitBoardRect(const BoardRect &area, int imageWidth, int imageHeight)
{
    const int areaWidth = area.width();
    const int areaHeight = area.height();
    if (imageWidth <= 0 || imageHeight <= 0 || areaWidth <= 0 || areaHeight <= 0)
        return BoardRect{area.left, area.top, area.left, area.top};

    BoardRect board = area;
    if (static_cast<unsigned>(imageWidth) < static_cast<unsigned>(areaWidth)
        && static_cast<unsigned>(imageHeight) < static_cast<unsigned>(areaHeight)) {
        board.right = area.left + imageWidth;
        board.bottom = area.top + imageHeight;
        return board;
    }
    const double imageAspect = static_cast<double>(imageHeight) / imageWidth;
    const double areaAspect = static_cast<double>(areaHeight) / areaWidth;
    if (imageAspect > areaAspect) {
        board.right = area.left + static_cast<int>(areaHeight / imageAspect);
    } else {
        // The shift drops an odd pixel, which therefore goes to the bottom.
        const int leftover = (areaHeight - static_cast<int>(areaWidth * imageAspect)) >> 1;
        board.top += leftover;
        board.bottom -= leftover;
    }
    return board;
}

void ComputeCellGrid(RenderState &state, const MenuData &doc)
{
    state.cellGrid.fill(QRectF());
    const int columns = std::clamp(doc.NumberOfColumns, 0, kMaxColumns);
    const int rows = std::clamp(doc.NumberOfRows, 0, kMaxRows);
    if (columns == 0 || rows == 0)
        return;
    // Cells are kept in single precision; edges accumulate the way hit
    // testing and drawing both expect.
    const float cellWidth = static_cast<float>(static_cast<double>(state.boardRect.width()) / columns);
    const float cellHeight = static_cast<float>(static_cast<double>(state.boardRect.height()) / rows);
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            float x = static_cast<float>(state.boardRect.left) + 1.0f;
            float y = static_cast<float>(state.boardRect.top) + 1.0f;
            if (c > 0) {
                const QRectF &left = state.cellGrid.at(c - 1, r);
                x = static_cast<float>(left.x()) + static_cast<float>(left.width());
            }
            if (r > 0) {
                const QRectF &above = state.cellGrid.at(c, r - 1);
                y = static_cast<float>(above.y()) + static_cast<float>(above.height());
            }
            state.cellGrid.at(c, r) = QRectF(x, y, cellWidth, cellHeight);
        }
    }
}

bool HasDrawableBoard(const RenderState &state)
{
    return state.imageWidth > 0 && state.imageHeight > 0 && state.screenRatio > 0.0;
}

QRectF StripRectInScreenSpace(const RenderState &state, const MenuData &doc, int column, int row)
{
    const QRectF cell = state.cellGrid.at(column, row);
    const StripData &s = doc.strip(column, row);
    return QRectF(cell.x() + cell.width() * s.XOffsetFactor, cell.y() + cell.height() * s.YOffsetFactor,
                  cell.width() * s.XSizeFactor, cell.height() * s.YSizeFactor);
}

QRectF StripRectInGraphicsSpace(const RenderState &state, const MenuData &doc, int column, int row)
{
    if (!HasDrawableBoard(state))
        return QRectF();
    const QRectF cell = state.cellGrid.at(column, row);
    const StripData &s = doc.strip(column, row);
    const double ratio = state.screenRatio;
    const double w = cell.width();
    const double h = cell.height();
    return QRectF((column * w + w * s.XOffsetFactor) / ratio, (row * h + h * s.YOffsetFactor) / ratio,
                  w * s.XSizeFactor / ratio, h * s.YSizeFactor / ratio);
}

QRectF GraphicsToScreen(const RenderState &state, const QRectF &g)
{
    const double ratio = state.screenRatio;
    return QRectF(g.x() * ratio + state.boardRect.left, g.y() * ratio + state.boardRect.top, g.width() * ratio,
                  g.height() * ratio);
}

QPoint ScreenToGraphics(const RenderState &state, const QPointF &p)
{
    if (!HasDrawableBoard(state))
        return QPoint();
    const QRectF origin = state.cellGrid.at(0, 0);
    return QPoint(static_cast<int>((p.x() - origin.x()) / state.screenRatio),
                  static_cast<int>((p.y() - origin.y()) / state.screenRatio));
}

} // namespace zorvan
