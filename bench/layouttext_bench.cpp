#include "benchmark.h"

#include "document/layouttext.h"
#include "document/menudata.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using namespace zorvan;

namespace {

// Every strip of the largest grid in use with all three blocks, texts of a
// realistic length.
MenuData FullLayout()
{
    MenuData doc;
    doc.NumberOfColumns = kMaxColumns;
    doc.NumberOfRows = kMaxRows;
    for (int c = 0; c < kMaxColumns; ++c) {
        for (int r = 0; r < kMaxRows; ++r) {
            StripData &s = doc.strip(c, r);
            s.BackGroundColor = MakeColour(c * 30, r, 200);
            s.SubImageFileName = QStringLiteral("/home/user/menus/pictures/Item_%1_%2.jpg").arg(c).arg(r);
            s.SubImageFrameIndex = 2;
            s.SubImageCropPercentageX = s.SubImageCropPercentageY = 90;
            s.MainItemTextParams.Text = QStringLiteral("Double Cheeseburger Meal %1-%2").arg(c).arg(r);
            s.SubItemsTextParams.Text = QStringLiteral("with fries & a drink\r\n<extra> \"sauce\" on request");
            s.PricesTextParams.Text = QStringLiteral("5.49^ 690 Cal\r\n7.99^ 1120 Cal");
            s.PricesTextParams.Font = QStringLiteral("Liberation Sans Narrow");
        }
    }
    return doc;
}

// From the stored file to the document, as Open reads it.
bench::Measurement ReadFullGrid()
{
    const MenuData doc = FullLayout();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Layout.XZORVAN"));
    QString error;
    if (!WriteLayoutTextFile(path, WriteLayoutText(doc, QStringLiteral("Background.jpg")), &error)) {
        std::fprintf(stderr, "layouttext-read-8x200: %s\n", qPrintable(error));
        std::abort();
    }
    MenuData read;
    const double ms = bench::MedianMilliseconds(9, [&] {
        QString text;
        if (!ReadLayoutTextFile(path, &text, &error) || !ReadLayoutText(text, read).ok)
            std::abort();
    });
    if (!(read == doc)) {
        std::fprintf(stderr, "layouttext-read-8x200: the layout read back differs from the one written\n");
        std::abort();
    }
    return {ms, "ms", 100.0};
}

bench::Measurement WriteFullGrid()
{
    const MenuData doc = FullLayout();
    const double ms = bench::MedianMilliseconds(9, [&] {
        if (ScrambleLayoutText(WriteLayoutText(doc, QStringLiteral("Background.jpg"))).isEmpty())
            std::abort();
    });
    return {ms, "ms", 0.0};
}

const bench::Registration readRegistration{"layouttext-read-8x200", ReadFullGrid};
const bench::Registration writeRegistration{"layouttext-write-8x200", WriteFullGrid};

} // namespace
