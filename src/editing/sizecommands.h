#pragma once

#include "editing/movesteps.h"

namespace zorvan {

class Editor;

enum class SizeDirection { Up, Down, Narrower, Wider };

// Text size limits.
inline constexpr double kLargestTextSize = 48.0;
inline constexpr double kSmallestTextSize = 0.1;

// One press of a size arrow: in Text mode the size of the edited block (up
// and down only), in the picture and strip-box modes the strip box, which
// grows no further than the board's bottom and right edges and shrinks no
// further than nothing.
void SizeSelection(Editor &editor, SizeDirection direction, const StepKeys &keys);

// The four size arrows.
void RegisterSizeCommands(Editor &editor);

} // namespace zorvan
