#pragma once

#include <QString>

namespace zorvan {

// What Open, Save and the migration remember about the layout's files, kept
// beside the document. Folders use '/'.
struct LayoutFileState {
    // The background, pictures and fonts are the copies in the work folder.
    // True at start: a layout built from scratch keeps its files there.
    bool fromContainer = true;
    // The file last opened; Open changes its meaning as it goes.
    QString currentFilePath;
    // Shown in the title and offered by Save As.
    QString layoutFileName;
    // Folder of the last file chosen in Open, with a trailing '/'.
    QString lastLayoutFolder;
    // Folder of the layout file on disk, without a trailing '/'.
    QString fileFolder;
    // File name of an opened legacy layout text.
    QString legacyFileName;
    // Background path worked out from BackgroundFileName.
    QString resolvedBackgroundPath;
    // A legacy layout was opened and has not been offered its conversion yet.
    bool migrationPending = false;
    // The text drawing collects the used fonts so that a conversion can pack them.
    bool collectFonts = false;

    friend bool operator==(const LayoutFileState &, const LayoutFileState &) = default;
};

} // namespace zorvan
