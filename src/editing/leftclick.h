#pragma once

#include <QPoint>

namespace zorvan {

class Editor;

// A left click on the window (client pixels): picks a colour, or leaves the
// current strip mode and selects what lies under the point.
void HandleLeftClick(Editor &editor, const QPoint &point, bool shift);

} // namespace zorvan
