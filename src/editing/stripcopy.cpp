#include "editing/stripcopy.h"

#include "document/menudata.h"
#include "render/strippicture.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>

namespace zorvan {

void RestyleStrip(const StripData &source, StripData &target)
{
    target.BackGroundColor = source.BackGroundColor;
    target.CaloriesTextColor = source.CaloriesTextColor;
    target.CaloriesItalics = source.CaloriesItalics;
    target.XOffsetFactor = source.XOffsetFactor;
    target.XSizeFactor = source.XSizeFactor;
    target.YSizeFactor = source.YSizeFactor;
    target.PriceTabSpacingFactor = source.PriceTabSpacingFactor;
    target.CaloriesSpacingFactor = source.CaloriesSpacingFactor;
    for (int k = 0; k < kTextItemCount; ++k) {
        const TextParams &from = source.block(k);
        TextParams &to = target.block(k);
        if (from.Text.isEmpty() || to.Text.isEmpty())
            continue;
        to.Bold = from.Bold;
        to.Italics = from.Italics;
        to.CenterInStrip = from.CenterInStrip;
        to.GroupAlignment = from.GroupAlignment;
        to.TextColor = from.TextColor;
        to.DropShadowColor = from.DropShadowColor;
        to.ScaleFactor = from.ScaleFactor;
        to.LineSpacingFactor = from.LineSpacingFactor;
        to.Font = from.Font;
        to.Xref = from.Xref;
        to.Yref = from.Yref;
    }
}

void CopyStripOnto(const StripData &source, StripData &target)
{
    const double savedX = target.XOffsetFactor;
    const double savedY = target.YOffsetFactor;
    const bool hadText = StripHasText(target);
    target = source;
    target.YOffsetFactor = savedY;
    if (hadText)
        target.XOffsetFactor = savedX;
}

int FreeDropRow(const MenuData &doc, int column, int row)
{
    if (!doc.inGrid(column, row))
        return -1;
    while (IsStripInUse(doc.strip(column, row))) {
        if (row >= doc.NumberOfRows - 2)
            return -1;
        ++row;
    }
    return row;
}

namespace {

// The picture path with "(n)" put before its extension.
QString Numbered(const QString &path, qsizetype extensionAt, int n)
{
    QString numbered = path;
    return numbered.insert(extensionAt, QStringLiteral("(%1)").arg(n));
}

} // namespace

QString DuplicatePictureFile(const QString &picturePath)
{
    const qsizetype slash = picturePath.lastIndexOf(QLatin1Char('/'));
    qsizetype dot = picturePath.lastIndexOf(QLatin1Char('.'));
    // A dot in a folder name is no extension.
    if (dot <= slash)
        dot = picturePath.size();
    QString copy;
    for (int n = 1;; ++n) {
        copy = Numbered(picturePath, dot, n);
        if (!QFileInfo::exists(copy))
            break;
    }
    QFile::copy(picturePath, copy);
    const QString proxy = PictureProxyName(picturePath);
    const QString copyProxy = PictureProxyName(copy);
    if (!proxy.isEmpty() && !copyProxy.isEmpty())
        QFile::copy(proxy, copyProxy);
    return copy;
}

bool PullPricesIntoCell(StripData &strip)
{
    double &xref = strip.PricesTextParams.Xref;
    // Taken off in one step: a huge or infinite value read from a layout
    // would never get below 1 one cell width at a time.
    if (!(xref > 1.0) || !std::isfinite(xref))
        return false;
    xref -= std::ceil(xref - 1.0);
    xref += strip.XOffsetFactor;
    strip.XOffsetFactor = 0.0;
    return true;
}

} // namespace zorvan
