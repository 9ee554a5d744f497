#include "render/boardimagenames.h"

#include <QDir>

namespace zorvan {

QString NormaliseLayoutPath(const QString &layoutPath)
{
    QString path = layoutPath;
    return path.replace(QLatin1String("_LAYOUT.ZORVAN"), QLatin1String(".ZORVAN"));
}

QString TvImagePath(const QString &layoutPath, bool whitePrint)
{
    QString path = NormaliseLayoutPath(layoutPath);
    path.remove(QLatin1String("_LAYOUT_WHITE_PRINT_BGND"));
    return path.replace(QLatin1String(".ZORVAN"),
                        whitePrint ? QLatin1String("_TV_WHITE_PRINT_BGND.jpg") : QLatin1String("_TV.jpg"));
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
