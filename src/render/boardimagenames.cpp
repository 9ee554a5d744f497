#include "render/boardimagenames.h"

#include <QDir>

#include <algorithm>

namespace zorvan {

namespace {

// The naming rules change the file name only: a folder whose name holds
// "_LAYOUT" or ".ZORVAN" is still the folder the layout lies in.
qsizetype NameStart(const QString &path)
{
    return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1;
}

} // namespace

QString NormaliseLayoutPath(const QString &layoutPath)
{
    const qsizetype start = NameStart(layoutPath);
    QString name = layoutPath.mid(start);
    return layoutPath.left(start) + name.replace(QLatin1String("_LAYOUT.ZORVAN"), QLatin1String(".ZORVAN"));
}

QString TvImagePath(const QString &layoutPath, bool whitePrint)
{
    const QString path = NormaliseLayoutPath(layoutPath);
    const qsizetype start = NameStart(path);
    QString name = path.mid(start);
    name.remove(QLatin1String("_LAYOUT_WHITE_PRINT_BGND"));
    name.replace(QLatin1String(".ZORVAN"),
                 whitePrint ? QLatin1String("_TV_WHITE_PRINT_BGND.jpg") : QLatin1String("_TV.jpg"));
    return path.left(start) + name;
}

QString PrintImagePath(const QString &trelmontFolder)
{
    return QDir(trelmontFolder).filePath(QStringLiteral("print.jpg"));
}

QByteArray BoardImageMimeType(const QString &backgroundExtension)
{
    if (backgroundExtension == QLatin1String("tif") || backgroundExtension == QLatin1String("TIF"))
        return "image/tiff";
    if (backgroundExtension == QLatin1String("bmp") || backgroundExtension == QLatin1String("BMP"))
        return "image/bmp";
    return "image/jpeg";
}

} // namespace zorvan
