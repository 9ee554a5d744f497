#pragma once

#include <QString>

namespace zorvan {

class MenuData;
class UserPrompts;
struct StripData;

// The proxy of a freshly imported picture: a GIF, or a picture at most 1600
// pixels wide and high, is copied to its "_Proxy" name (an existing proxy is
// kept); a larger one is reduced to 1600 pixels on its longer side and saved
// as PNG or as JPEG at quality 80, replacing any proxy. A failed save shows
// its message and returns false.
bool MakePictureProxy(const QString &picturePath, UserPrompts &prompts);

// The strip's proxy made again with its brightness baked in (after a
// brightness change or an undo), replacing the old one; JPEG proxies at
// quality 60. A failed save shows its message and returns false.
bool RemakeStripPictureProxy(const StripData &strip, UserPrompts &prompts);

// Proxies for the pictures of every strip of the grid. Only for layouts
// whose files are the copies in the work folder (fromContainer). Returns
// whether the last scaled proxy was saved; false when none needed scaling.
bool MakeProxiesForAllStrips(const MenuData &doc, bool fromContainer, UserPrompts &prompts);

} // namespace zorvan
