// The step a press may take towards the board's edge.
#include "editing/edgeclamp.h"
#include "render/renderstate.h"

#include <gtest/gtest.h>

namespace zorvan {
namespace {

TEST(EdgeClampTest, DistancesToTheBoardsEdges)
{
    const BoardRect board{10, 20, 810, 620};
    const QRectF rect(13, 30, 100, 50); // right 113, bottom 80
    EXPECT_DOUBLE_EQ(DistanceToEdge(board, rect, MoveDirection::Left), 3.0);
    EXPECT_DOUBLE_EQ(DistanceToEdge(board, rect, MoveDirection::Up), 10.0);
    EXPECT_DOUBLE_EQ(DistanceToEdge(board, rect, MoveDirection::Right), 697.0);
    EXPECT_DOUBLE_EQ(DistanceToEdge(board, rect, MoveDirection::Down), 540.0);
    EXPECT_DOUBLE_EQ(DistanceToEdge(board, rect, MoveDirection::Down, 1.5), 538.5);
}

TEST(EdgeClampTest, StepsStopAtTheEdge)
{
    struct Case {
        const char *name;
        double step, distance, travel;
        bool shortenAllowed;
        bool blocked;
        double expected;
    };
    const Case cases[] = {
        {"far from the edge: the full step", 0.1, 100, 40, true, false, 0.1},
        {"3 pixels left of a 9 pixel step: a third of it", 0.03, 3, 9, true, false, 0.01},
        {"exactly a step away: the full step", 0.1, 40, 40, true, false, 0.1},
        {"at the edge: nothing", 0.1, 0, 40, true, true, 0.0},
        {"past the edge: nothing", 0.1, -5, 40, true, true, 0.0},
        {"a rounding's breadth from the edge: nothing", 0.1, 1e-9, 40, true, true, 0.0},
        {"an empty rectangle is not shortened", 0.1, 3, 40, false, false, 0.1},
        {"no travel (a cell of no size): the full step", 0.1, 3, 0, true, false, 0.1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const EdgeStep step = ClampStepToEdge(c.step, c.distance, c.travel, c.shortenAllowed);
        EXPECT_EQ(step.blocked, c.blocked);
        EXPECT_NEAR(step.step, c.expected, 1e-12);
    }
}

TEST(EdgeClampTest, UnionLeavesOutRectanglesWithoutArea)
{
    const QRectF a(10, 10, 20, 20);
    const QRectF b(50, 5, 10, 10);
    EXPECT_EQ(UniteDrawn(a, b), QRectF(10, 5, 50, 25));
    EXPECT_EQ(UniteDrawn(a, QRectF(0, 0, 0, 0)), a);
    EXPECT_EQ(UniteDrawn(QRectF(0, 0, 5, 0), b), b);
    EXPECT_TRUE(UniteDrawn(QRectF(), QRectF()).isNull());
}

} // namespace
} // namespace zorvan
