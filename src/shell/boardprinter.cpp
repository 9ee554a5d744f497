#include "boardprinter.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace zorvan {

namespace {

QImage ReadImage(const QString &path, QString *error)
{
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull() && error)
        *error = QStringLiteral("cannot read %1: %2").arg(path, reader.errorString());
    return image;
}

} // namespace

QString PrintToPdfTarget()
{
    return qEnvironmentVariable("ZORVAN_PRINT_TO_PDF");
}

bool PrintImage(QPrinter &printer, const QImage &image, QString *error)
{
    printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = QStringLiteral("cannot print to %1").arg(printer.outputFileName().isEmpty() ? printer.printerName()
                                                                                                : printer.outputFileName());
        return false;
    }
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    const QRect target(page.x() + (page.width() - size.width()) / 2, page.y() + (page.height() - size.height()) / 2,
                       size.width(), size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    return painter.end();
}

bool PrintImageFileToPdf(const QString &imagePath, const QString &pdfPath, QString *error)
{
    const QImage image = ReadImage(imagePath, error);
    if (image.isNull())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    printer.setDocName(QStringLiteral("print.jpg"));
    return PrintImage(printer, image, error);
}

bool PrintImageFileWithDialog(const QString &imagePath, QWidget *parent, QString *error)
{
    const QImage image = ReadImage(imagePath, error);
    if (image.isNull())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("print.jpg"));
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return PrintImage(printer, image, error);
}

} // namespace zorvan
