#pragma once

#include "editing/selection.h"

#include <QPoint>

#include <vector>

namespace zorvan {

class Editor;

// The group part of a left click: Shift enters group mode (dropping any
// strip mode without its leave steps), a click without Shift leaves it.
// Returns true when the click went to the group and the click handler is done.
bool GroupModeClick(Editor &editor, const QPoint &point, bool shift);

// A click in group mode: the strip whose text lies under the point joins the
// group, unless a strip of its row already has. Strips of another column are
// refused with a message and the group starts afresh; a click on no text
// empties the group.
void AddToGroup(Editor &editor, const QPoint &point);

// "Vertically Space Grouped Items Evenly": the first and last strips picked
// stay, the ones between are moved so that the gaps between the picked
// texts are equal. One Undo puts them all back. Group mode ends.
void SpaceGroupEvenly(Editor &editor);

// Group mode off, the group emptied, the spacing button disabled.
void LeaveGroupMode(Editor &editor);

// How far each picked item moves down, in screen pixels, in picking order:
// the first and the last not at all. Fewer than three items do not move.
std::vector<double> EvenSpacingShifts(const std::vector<GroupItem> &items);

} // namespace zorvan
