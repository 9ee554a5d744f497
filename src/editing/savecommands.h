#pragma once

#include <QString>

#include <chrono>
#include <functional>

namespace zorvan {

class Editor;

// "Save Layout && TV Image Files", the menu's "Save &As..." and "Print".
void RegisterSaveCommands(Editor &editor);

enum class SaveOutcome { Saved, Cancelled, Failed };

struct SaveSettings {
    // Whether a path lies on a drive the user may unplug; IsOnRemovableDrive when empty.
    std::function<bool(const QString &path)> removableDrive;
    // The please-wait window of a removable drive stays up at least this long.
    std::chrono::milliseconds pleaseWaitTime{5000};
};

// Asks for the container name and writes the TV image and the container side
// by side, then says how it went. Only a save that wrote both clears the
// modified flag.
SaveOutcome SaveLayout(Editor &editor, const SaveSettings &settings = {});

// The Save As dialog; the container path chosen, named by the container
// naming rules, or empty when the user cancelled.
QString ChooseSavePath(Editor &editor);

// Texts of the saving windows.
inline constexpr char kPleaseWaitText[] =
    "\n\nATTENTION: DO NOT UNPLUG USB FLASH FLASH DRIVE\n\n"
    "The Zorvan layout file and TV file\nare being Saved\n\n"
    "(This may take several seconds)\n\nPLEASE WAIT!\n\n"
    "DO NOT UNPLUG USB FLASH FLASH DRIVE\n until notified that file saving has been confirmed";
inline constexpr char kSaveFailedText[] =
    "\n\n\nUNABLE TO SAVE FILE.\n\n Please try again.  If saving to a flash drive,\n"
    " do not remove flash drive until file save is confirmed.\n\n If problem persists call Trelmont Tech Support.";

// The confirmation of a save: the two file names and their folder.
QString SavedMessage(const QString &containerName, const QString &tvImageName, const QString &folder, bool removable);

} // namespace zorvan
