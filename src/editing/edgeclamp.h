#pragma once

#include <QRectF>

namespace zorvan {

struct BoardRect;

enum class MoveDirection { Left, Up, Right, Down };

// Screen pixels between an edge of rect and the same edge of the board,
// positive while rect lies inside; the bottom edge keeps spareBelow pixels free.
double DistanceToEdge(const BoardRect &board, const QRectF &rect, MoveDirection direction,
                      double spareBelow = 0.0);

// The step a press may take towards an edge.
struct EdgeStep {
    bool blocked = false; // at or past the edge already: the press does nothing
    double step = 0.0;
};

// travel: screen pixels the full step would cover. A step that would cross
// the edge is shortened so that the edge lands on the board's edge, unless
// shortening is not allowed (an empty rectangle has no edge to land).
EdgeStep ClampStepToEdge(double step, double distance, double travel, bool shortenAllowed = true);

// The union of two rectangles, ignoring either one when it has no area.
QRectF UniteDrawn(const QRectF &a, const QRectF &b);

} // namespace zorvan
