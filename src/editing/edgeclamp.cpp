#include "editing/edgeclamp.h"

#include "render/renderstate.h"

namespace zorvan {

double DistanceToEdge(const BoardRect &board, const QRectF &rect, MoveDirection direction, double spareBelow)
{
    switch (direction) {
    case MoveDirection::Left: return rect.left() - board.left;
    case MoveDirection::Up: return rect.top() - board.top;
    case MoveDirection::Right: return board.right - rect.right();
    case MoveDirection::Down: return board.bottom - rect.bottom() - spareBelow;
    }
    return 0.0;
}

EdgeStep ClampStepToEdge(double step, double distance, double travel, bool shortenAllowed)
{
    // What is left after a shortened step is rounding, not room to move.
    constexpr double kAtEdge = 1e-6;
    if (!(distance > kAtEdge))
        return {true, 0.0};
    if (shortenAllowed && travel > 0.0 && distance <= travel)
        return {false, step * distance / travel};
    return {false, step};
}

QRectF UniteDrawn(const QRectF &a, const QRectF &b)
{
    const bool hasA = a.width() > 0.0 && a.height() > 0.0;
    const bool hasB = b.width() > 0.0 && b.height() > 0.0;
    if (!hasA)
        return hasB ? b : QRectF();
    return hasB ? a.united(b) : a;
}

} // namespace zorvan
