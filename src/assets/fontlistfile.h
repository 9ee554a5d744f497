#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace zorvan {

inline constexpr char kFontListFileName[] = "FontFileNames.txt";

// One entry of the used-font list "face,file;face,file;".
struct FontListEntry {
    QString face;
    QString file;
    friend bool operator==(const FontListEntry &, const FontListEntry &) = default;
};

// Entries in list order; the face ends at the first ',' of an entry. An entry
// without a ',' has an empty file name.
QList<FontListEntry> ParseFontList(const QString &list);

// The list exactly as held in memory: UTF-16LE, no byte-order mark, no terminator.
QByteArray EncodeFontList(const QString &list);
QString DecodeFontList(const QByteArray &bytes);

// Creates or truncates the file.
bool WriteFontListFile(const QString &path, const QString &list, QString *error = nullptr);
bool ReadFontListFile(const QString &path, QString *list, QString *error = nullptr);

} // namespace zorvan
