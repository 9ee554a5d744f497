#pragma once

namespace zorvan {

class Editor;

enum class FitHalves { VerticalOnly, VerticalFirst, HorizontalFirst };

// After a change in Text mode: the box of a bare text-edit strip is fitted
// round its texts again. The working copy takes the fitted box, so the
// next change does not put the old box back, and the selection follows a
// prices-only strip that moved into the next column. Nothing happens for a
// strip with a fill or a picture.
void FitTextEditStrip(Editor &editor, FitHalves halves);

} // namespace zorvan
