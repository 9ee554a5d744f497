#pragma once

#include <QString>

namespace zorvan {

// The whole editor process: start-up checks, the main window and its run,
// or a scripted session with --script FILE. Returns the exit status.
int RunEditor(int argc, char **argv);

inline const char kRefuseFileMessage[] = "This file must be opened\nwith Zorvan editing software.";

// Shown at start when this run's work folder cannot be made.
QString WorkFolderMissingMessage(const QString &reason);

} // namespace zorvan
