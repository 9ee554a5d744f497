#pragma once

#include <QPoint>

namespace zorvan {

class Editor;

// Right-button drags on the preview. The press picks the strip under the
// pointer; the release, at least 5 pixels away in either direction, copies
// it there, moves it (Alt or Ctrl held at the press) or gives the strip
// there its look (Shift held). Points are client pixels.
void StartDrag(Editor &editor, const QPoint &point, bool shift, bool alt);
void EndDrag(Editor &editor, const QPoint &point);

// A release closer than this to the press in both directions is a click.
inline constexpr int kDragThreshold = 5;

} // namespace zorvan
