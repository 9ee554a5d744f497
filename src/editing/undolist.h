#pragma once

#include "document/columnrow.h"
#include "document/stripdata.h"

namespace zorvan {

class Editor;

// Undo entries are whole copies of one strip each, so that an entry costs a
// strip and never the document. Kind 1 chains an entry to the one before it:
// one Undo takes both off (a move changes two cells).
inline constexpr int kUndoEntryAlone = 0;
inline constexpr int kUndoEntryChained = 1;

// Equal for undo purposes: the white-print hiding and the crop percentages
// are left out, they follow from other fields and never make a change of their own.
bool StripsEqual(const StripData &a, const StripData &b);

// Keeps a copy of the strip at cell before it changes; an entry made after
// an Undo replaces the ones that were undone. "Undo" is enabled.
void PushUndoEntry(Editor &editor, const ColumnRow &cell, int kind = kUndoEntryAlone);

// Leaving a strip mode: the entry made on entering goes again when the strip
// did not change, so that Undo never restores a strip to itself.
void DropUnchangedUndoEntry(Editor &editor, const ColumnRow &cell);

// "Undo": puts the newest entry back, and the entries chained to it with
// it; strips with pictures get their proxies made again. Leaves any strip mode.
void Undo(Editor &editor);

} // namespace zorvan
