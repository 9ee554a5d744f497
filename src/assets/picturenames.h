#pragma once

#include <QString>

namespace zorvan {

// Whether a picture may be imported: its path names a ".jpg", ".png",
// ".gif", ".JPG", ".jpeg" or ".JPEG" file. Upper-case ".PNG" and ".GIF" are
// not taken.
bool IsImportablePicture(const QString &path);

// The part after the last '\' or '/'.
QString FileNameOfPath(const QString &path);
// The folder part, without the separator; empty when there is none.
QString FolderOfPath(const QString &path);

// ".JPG", else ".jpeg", else ".JPEG" becomes ".jpg".
QString NormalisedPictureFileName(const QString &fileName);

// The first free name for target: "(n)" goes before the extension, and the
// suffixes add up (Logo.jpg, Logo(1).jpg, Logo(1)(2).jpg).
QString UniquePicturePath(const QString &target);

// Whether text holds the extension at a position after its first character.
bool ContainsPastFirst(const QString &text, const char *extension);

} // namespace zorvan
