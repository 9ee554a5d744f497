#pragma once

namespace zorvan {

struct StripData;

// Takes the picture off a strip, frame included. The files stay in the work
// folder: the picture may come back with an undo.
void DetachPicture(StripData &strip);

} // namespace zorvan
