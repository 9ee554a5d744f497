#include "textstep_fixture.h"

namespace zorvan::test {

void TextStepTest::SetUp()
{
    doc.NumberOfColumns = 2;
    doc.NumberOfRows = 4;
    state.imageWidth = 800;
    state.imageHeight = 400;
    state.imageResolution = 96;
    setBoard(1.0, 0, 0);
    image.fill(Qt::black);
}

void TextStepTest::setBoard(double ratio, int left, int top)
{
    state.screenRatio = ratio;
    state.boardRect = {left, top, left + static_cast<int>(800 * ratio), top + static_cast<int>(400 * ratio)};
    state.cellGrid.fill(QRectF());
    for (int c = 0; c < doc.NumberOfColumns; ++c) {
        for (int r = 0; r < doc.NumberOfRows; ++r)
            state.cellGrid.at(c, r) = QRectF(left + 1.0 + c * kCellW * ratio, top + 1.0 + r * kCellH * ratio,
                                             kCellW * ratio, kCellH * ratio);
    }
}

QRectF TextStepTest::box(int column, int row) const
{
    const StripData &s = doc.strip(column, row);
    return QRectF(column * kCellW + kCellW * s.XOffsetFactor, row * kCellH + kCellH * s.YOffsetFactor,
                  kCellW * s.XSizeFactor, kCellH * s.YSizeFactor);
}

void TextStepTest::draw(int column, int row)
{
    QPainter painter(&image);
    StripDrawContext ctx{doc, state, painter, doc.strip(column, row), box(column, row)};
    DrawStripTexts(ctx, column, row);
}

QImage TextStepTest::drawn(int column, int row)
{
    image.fill(Qt::black);
    draw(column, row);
    return image;
}

TextParams &TextStepTest::setPrices(const QString &text, int alignment, int column, int row)
{
    TextParams &p = prices(column, row);
    p.Text = text;
    p.Font = QStringLiteral("DejaVu Sans");
    p.ScaleFactor = 0.5;
    p.GroupAlignment = alignment;
    p.TextColor = kRed;
    p.Yref = 0.2;
    return p;
}

TextFont TextStepTest::pricesFont(int column, int row) const
{
    const TextParams &p = doc.strip(column, row).PricesTextParams;
    return TextFont(p.Font, 0.736 * p.ScaleFactor * kCellH, p.Bold, p.Italics);
}

double TextStepTest::spaceWidth(const TextFont &font) const
{
    return font.measure(u"          ").width() / 10.0;
}

double TextStepTest::digitWidth(const TextFont &font) const
{
    return font.measure(u"00000000000000000000").width() / 20.0;
}

double TextStepTest::anchorX(int column, int row) const
{
    return box(column, row).x() + doc.strip(column, row).PricesTextParams.Xref * kCellW;
}

QRect InkBounds(const QImage &img, const QRect &within, const std::function<bool(QRgb)> &test)
{
    QRect r;
    const QRect area = within.intersected(img.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (test(img.pixel(x, y)))
                r |= QRect(x, y, 1, 1);
        }
    }
    return r;
}

QRect InkBounds(const QImage &img, const std::function<bool(QRgb)> &test)
{
    return InkBounds(img, img.rect(), test);
}

bool IsReddish(QRgb p)
{
    return qRed(p) > 128 && qGreen(p) < 80 && qBlue(p) < 80;
}

bool IsGreenish(QRgb p)
{
    return qGreen(p) > 128 && qRed(p) < 80 && qBlue(p) < 80;
}

bool IsBluish(QRgb p)
{
    return qBlue(p) > 128 && qRed(p) < 80 && qGreen(p) < 80;
}

bool IsLit(QRgb p)
{
    return qGray(p) > 60;
}

} // namespace zorvan::test
