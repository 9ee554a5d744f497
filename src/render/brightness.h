#pragma once

#include <QImage>
#include <QString>

namespace zorvan {

// Picture type by file name: 2 for ".jpg", 1 for ".png", 0 for ".gif"
// (tested in that order, a match past the first character), 2 otherwise.
int PictureTypeFromName(const QString &fileName);

// Scales red, green and blue of every visible pixel by value / 255 + 1,
// clamped to 0..255; visible pixels become opaque, transparent ones stay as
// they are. A value of 0 leaves the image alone. The picture type is accepted
// for callers that pass it and changes nothing.
void AdjustBrightness(int pictureType, QImage &image, int value);

} // namespace zorvan
