#pragma once

namespace zorvan {

class Editor;

inline constexpr char kPrintInstructions[] =
    "Upon entry into the Print Dialog:\n\n1. Clear the 'Fit Picture to Frame' checkbox\n    to avoid menu cropping.\n\n"
    "2. Review menu image to confirm layout.\n\n";

// "Print": writes the board as print.jpg in the Trelmont folder (never
// rotated), shows the instructions and, on OK, hands the image to printing.
void PrintBoard(Editor &editor);

} // namespace zorvan
