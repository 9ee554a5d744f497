#pragma once

#include <QByteArray>
#include <QString>

namespace zorvan {

// "_LAYOUT.ZORVAN" becomes ".ZORVAN"; all replacements are case-sensitive.
QString NormaliseLayoutPath(const QString &layoutPath);

// The TV image beside a layout: base + "_TV.jpg", or base +
// "_TV_WHITE_PRINT_BGND.jpg" in the white print format. Other extensions of
// the background keep the ".jpg" name.
QString TvImagePath(const QString &layoutPath, bool whitePrint);

// The temporary board image handed to printing.
QString PrintImagePath(const QString &trelmontFolder);

// The MIME type of the encoder for a background extension: TIFF and BMP
// backgrounds keep their format, everything else is written as JPEG.
QByteArray BoardImageMimeType(const QString &backgroundExtension);

inline constexpr int kTvImageJpegQuality = 84;

} // namespace zorvan
