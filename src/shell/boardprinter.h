#pragma once

#include <QString>

class QImage;
class QPrinter;
class QWidget;

namespace zorvan {

// The PDF file named by ZORVAN_PRINT_TO_PDF, which "Print" writes instead of
// asking for a printer; empty when unset.
QString PrintToPdfTarget();

// Draws the image on one page of the printer, as large as the page allows
// without cropping or distorting it, in the orientation that suits it best.
bool PrintImage(QPrinter &printer, const QImage &image, QString *error);

// Prints the image file into a PDF file.
bool PrintImageFileToPdf(const QString &imagePath, const QString &pdfPath, QString *error);

// The system's print dialog, then the image on the printer chosen; false when
// the user cancelled or printing failed (with the reason in error).
bool PrintImageFileWithDialog(const QString &imagePath, QWidget *parent, QString *error);

} // namespace zorvan
