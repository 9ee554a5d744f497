#include "assets/fontlistfile.h"

#include <QFile>
#include <QSaveFile>

namespace zorvan {

QList<FontListEntry> ParseFontList(const QString &list)
{
    QList<FontListEntry> entries;
    for (const QString &entry : list.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype comma = entry.indexOf(QLatin1Char(','));
        if (comma < 0)
            entries.append({entry, QString()});
        else
            entries.append({entry.left(comma), entry.mid(comma + 1)});
    }
    return entries;
}

QByteArray EncodeFontList(const QString &list)
{
    QByteArray bytes;
    bytes.reserve(list.size() * 2);
    for (const QChar c : list) {
        const char16_t unit = c.unicode();
        bytes.append(char(unit & 0xFF));
        bytes.append(char(unit >> 8));
    }
    return bytes;
}

QString DecodeFontList(const QByteArray &bytes)
{
    QString list;
    list.reserve(bytes.size() / 2);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        list.append(QChar(char16_t(uchar(bytes[i]) | (uchar(bytes[i + 1]) << 8))));
    return list;
}

bool WriteFontListFile(const QString &path, const QString &list, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(EncodeFontList(list)) < 0 || !file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool ReadFontListFile(const QString &path, QString *list, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    *list = DecodeFontList(file.readAll());
    return true;
}

} // namespace zorvan
