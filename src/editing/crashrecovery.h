#pragma once

namespace zorvan {

class Editor;

// Keeps the open layout's unsaved edits in the work folder; the window calls
// it every kAutosaveIntervalMs. An unmodified layout leaves no autosave
// behind, so a crash after a save offers nothing stale. False when the edits
// could not be written (the next tick tries again).
bool AutosaveTick(Editor &editor);

// At start, once the window is up: offers the unsaved edits of every run that
// crashed, newest first, with "Restore the unsaved changes of <file>?". The
// first one accepted becomes the open layout (modified, so it is saved like
// any edit); declined ones are removed; the rest wait for the next start.
// True when a layout was restored.
bool OfferCrashRecovery(Editor &editor);

} // namespace zorvan
