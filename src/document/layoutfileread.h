#pragma once

#include "document/colour.h"
#include "document/layoutfilestate.h"

#include <QString>

namespace zorvan {

class MenuData;

// Layout texts are a few megabytes at most; anything far larger is not a
// layout and is refused before it is read into memory.
inline constexpr qint64 kMaxLayoutTextBytes = qint64(256) * 1024 * 1024;

struct LayoutFileRead {
    bool ok = false;
    QString error;              // why the file was refused, without its path
    QString backgroundFileName; // BackgroundFileName as stored
    bool whitePrintBackground = false;
};

// Reads the layout text at textPath into doc, with the container or legacy
// path rules that state (fromContainer, fileFolder, legacyFileName) and
// workFolder give: every strip, the grid size, doc.BackgroundPath (the work
// folder's "Background.jpg" for a container, the resolved path otherwise)
// and state.resolvedBackgroundPath. A file that cannot be read or is not a
// layout leaves doc and state as they were.
LayoutFileRead ReadLayoutFile(const QString &textPath, LayoutFileState &state, const QString &workFolder,
                              MenuData &doc, Colour paletteColour = kWhite);

// The file state of a layout chosen at path (after any "_TV" mapping): the
// folders, the names and the container flag, as Open and the command-line
// tool set them before reading.
LayoutFileState FileStateForChosenLayout(const QString &path);

} // namespace zorvan
