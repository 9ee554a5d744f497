#pragma once

#include "render/rotationdata.h"

#include <QString>
#include <QStringList>

namespace zorvan {

class FontCollector;
class MenuData;
class RenderState;
class UserPrompts;

struct LayoutFilesRequest {
    // The container to write; the TV image is named after it.
    QString containerPath;
    // Remembers the rotation of portrait boards; empty remembers nothing.
    QString trelmontFolder;
    // Asked for portrait boards; none keeps them upright.
    RotationQuestion askRotation;
    // Where the background, the pictures and the collected fonts are taken from.
    bool fromContainer = true;
    QString workFolder;
    // Collects the fonts the TV image is drawn with, for the container to
    // carry; null keeps the render state's own collector.
    FontCollector *fonts = nullptr;
};

struct LayoutFilesResult {
    bool ok = false;
    QString error;          // why nothing was saved
    QString tvImagePath;    // the TV image's name beside the container
    QString containerPath;
    QStringList missingFiles; // pictures or fonts not found and so not packed
};

// The Trelmont folder, which holds this run's work folder and, beside it,
// "RotationData.txt" and print.jpg; empty without a work folder.
QString TrelmontFolderOf(const QString &workFolder);

// Writes the TV image and the layout container side by side, without a
// window: the save command, the command line and tests all use it. Both are
// written complete under temporary names first and put in place only when
// both succeeded; when anything fails, the TV image and container already on
// disk under those names are left exactly as they were. Expects the output
// refresh to have just run (full-size geometry, fonts collected).
LayoutFilesResult SaveLayoutFiles(const MenuData &doc, RenderState &state, const LayoutFilesRequest &request,
                                  UserPrompts &prompts);

} // namespace zorvan
