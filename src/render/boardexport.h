#pragma once

#include "render/rotationdata.h"

#include <QString>

namespace zorvan {

class MenuData;
class RenderState;

struct BoardExportOptions {
    QString layoutPath;      // the layout container's path; names the TV image
    bool forPrint = false;   // write print.jpg instead, never rotated
    // Holds "RotationData.txt" and print.jpg; when empty the rotation
    // question starts from None and its answer is not remembered.
    QString trelmontFolder;
    // Asked for portrait boards that are not printed; none means no rotation.
    RotationQuestion askRotation;
    // Written instead of the name the rules give (the command line's -o).
    QString outputPath;
};

// Draws the board onto the full-size background and writes it: beside the
// layout as its TV image, or as print.jpg. Expects the full-size refresh of
// the output protocol to have just run, so the geometry is the full
// background's. Returns the path written, or an empty string (with the
// reason in error) when nothing could be written.
QString ExportBoardImage(const MenuData &doc, RenderState &state, const BoardExportOptions &options,
                         QString *error = nullptr);

} // namespace zorvan
