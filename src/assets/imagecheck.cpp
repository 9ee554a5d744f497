#include "assets/imagecheck.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace zorvan {

bool CheckImageFile(const QString &path, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    const QFileInfo info(path);
    if (!info.exists())
        return fail(QStringLiteral("does not exist"));
    if (info.isDir())
        return fail(QStringLiteral("is a folder, not a picture"));
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        // Qt says "Unknown error" for most files it cannot place.
        const QString detail = reader.error() == QImageReader::UnknownError ? QString() : QStringLiteral(" (%1)").arg(reader.errorString());
        return fail(QStringLiteral("is not a picture that can be read%1").arg(detail));
    }
    if (size.width() > kMaxImageSide || size.height() > kMaxImageSide ||
        qint64(size.width()) * size.height() * 4 > qint64(kMaxImageMegabytes) * 1024 * 1024)
        return fail(QStringLiteral("is too large: %1 x %2 pixels (at most %3 pixels a side and %4 megapixels)")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(kMaxImageSide)
                        .arg(kMaxImageMegabytes / 4));
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return fail(QStringLiteral("is damaged: %1").arg(reader.errorString()));
    return true;
}

} // namespace zorvan
