#pragma once

#include "document/menudata.h"

#include <QString>

#include <memory>

namespace zorvan::test {

// A 3 x 4 layout that uses every field: a full strip with awkward texts
// ('<', '&', quotes, CR LF, non-ASCII, a tag name), a picture-only strip, a
// fill-only strip and a frame-only strip. Every value is in the form the
// reader gives back, so it survives a write and read unchanged.
std::unique_ptr<MenuData> SampleLayout();

// A hand-made plain layout text of a columns x rows grid whose strip (0, 0)
// holds stripContent verbatim.
QString LayoutTextWithStrip(const QString &stripContent, int columns = 1, int rows = 1);

// Writes bytes to path; returns false when that fails.
bool WriteFile(const QString &path, const QByteArray &bytes);

} // namespace zorvan::test
