#include "samplepainting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>

namespace zorvan::samples {

namespace {

// 96 dpi in dots per metre.
constexpr int kDotsPerMetre = 3780;

QImage NewImage(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    return image;
}

// Soft light spots; a fixed seed keeps every regeneration identical.
void PaintBokeh(QPainter &p, const QSize &size, const QColor &tint, quint32 seed)
{
    QRandomGenerator random(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 28; ++i) {
        const QPointF centre(random.bounded(size.width()), random.bounded(size.height()));
        const double radius = size.height() * (0.02 + random.bounded(0.07));
        QRadialGradient glow(centre, radius);
        QColor inner = tint;
        inner.setAlpha(18 + random.bounded(30));
        QColor outer = tint;
        outer.setAlpha(0);
        glow.setColorAt(0, inner);
        glow.setColorAt(1, outer);
        p.setBrush(glow);
        p.drawEllipse(centre, radius, radius);
    }
}

// Fine diagonal lines, like a slate or a linen texture.
void PaintTexture(QPainter &p, const QSize &size, const QColor &line)
{
    p.setPen(QPen(line, 1.0));
    const int step = std::max(6, size.height() / 160);
    for (int x = -size.height(); x < size.width(); x += step)
        p.drawLine(QPointF(x, size.height()), QPointF(x + size.height(), 0));
}

void PaintHeaderBand(QPainter &p, const QSize &size, const QColor &band, const QColor &rule)
{
    const double bandHeight = size.height() * (size.width() > size.height() ? 0.14 : 0.09);
    QLinearGradient shade(0, 0, 0, bandHeight);
    shade.setColorAt(0, band.lighter(125));
    shade.setColorAt(1, band);
    p.fillRect(QRectF(0, 0, size.width(), bandHeight), shade);
    p.setPen(QPen(rule, std::max(2.0, size.height() / 300.0)));
    p.drawLine(QPointF(0, bandHeight), QPointF(size.width(), bandHeight));
    p.setPen(QPen(rule, std::max(1.0, size.height() / 900.0)));
    p.drawLine(QPointF(0, bandHeight + size.height() / 150.0), QPointF(size.width(), bandHeight + size.height() / 150.0));
}

// Draws in a 100 x 75 design space whatever the picture's size.
void ScaleToDesign(QPainter &p, const QSize &size)
{
    p.scale(size.width() / 100.0, size.height() / 75.0);
}

void PaintPlateBackdrop(QPainter &p, const QColor &top, const QColor &bottom)
{
    QLinearGradient backdrop(0, 0, 0, 75);
    backdrop.setColorAt(0, top);
    backdrop.setColorAt(1, bottom);
    p.fillRect(QRectF(0, 0, 100, 75), backdrop);
}

void PaintBurger(QPainter &p)
{
    PaintPlateBackdrop(p, QColor(250, 226, 180), QColor(214, 150, 84));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(QRectF(16, 60, 68, 10));
    // Bottom bun, patty, cheese, lettuce, top bun: back to front.
    QLinearGradient bun(0, 20, 0, 45);
    bun.setColorAt(0, QColor(236, 160, 70));
    bun.setColorAt(1, QColor(176, 96, 30));
    p.setBrush(bun);
    p.drawRoundedRect(QRectF(20, 52, 60, 10), 4, 4);
    p.setBrush(QColor(84, 44, 24));
    p.drawRoundedRect(QRectF(17, 44, 66, 10), 5, 5);
    QPainterPath cheese;
    cheese.moveTo(18, 44);
    cheese.lineTo(82, 44);
    cheese.lineTo(76, 51);
    cheese.lineTo(60, 46);
    cheese.lineTo(44, 52);
    cheese.lineTo(30, 46);
    cheese.closeSubpath();
    p.setBrush(QColor(252, 196, 32));
    p.drawPath(cheese);
    QPainterPath lettuce;
    lettuce.moveTo(16, 42);
    for (int i = 0; i <= 12; ++i)
        lettuce.lineTo(16 + i * 5.7, 42 + (i % 2 ? 4 : -1));
    lettuce.lineTo(84, 38);
    lettuce.lineTo(16, 38);
    lettuce.closeSubpath();
    p.setBrush(QColor(96, 178, 54));
    p.drawPath(lettuce);
    QPainterPath top;
    top.moveTo(18, 40);
    top.cubicTo(18, 14, 82, 14, 82, 40);
    top.closeSubpath();
    p.setBrush(bun);
    p.drawPath(top);
    p.setBrush(QColor(255, 244, 214));
    const QPointF seeds[] = {{34, 26}, {42, 22}, {50, 25}, {58, 21}, {66, 27}, {46, 31}, {56, 31}, {38, 33}, {64, 34}};
    for (const QPointF &seed : seeds)
        p.drawEllipse(seed, 1.6, 0.9);
}

void PaintFries(QPainter &p)
{
    PaintPlateBackdrop(p, QColor(255, 240, 200), QColor(240, 200, 120));
    p.setPen(QPen(QColor(200, 140, 20), 0.4));
    p.setBrush(QColor(250, 204, 60));
    for (int i = 0; i < 11; ++i) {
        const double x = 30 + i * 3.8;
        const double lean = (i - 5) * 1.2;
        QPolygonF stick;
        stick << QPointF(x, 50) << QPointF(x + lean, 12 + (i % 3) * 4) << QPointF(x + lean + 3, 12 + (i % 3) * 4)
              << QPointF(x + 3, 50);
        p.drawPolygon(stick);
    }
    QPainterPath box;
    box.moveTo(26, 34);
    box.lineTo(74, 34);
    box.lineTo(68, 70);
    box.lineTo(32, 70);
    box.closeSubpath();
    QLinearGradient red(26, 0, 74, 0);
    red.setColorAt(0, QColor(220, 30, 30));
    red.setColorAt(1, QColor(150, 10, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawPath(box);
    p.setBrush(QColor(255, 210, 0));
    p.drawEllipse(QRectF(43, 46, 14, 14));
}

void PaintDrink(QPainter &p)
{
    PaintPlateBackdrop(p, QColor(120, 200, 240), QColor(20, 90, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(QRectF(10, 8, 22, 22));
    p.drawEllipse(QRectF(70, 40, 16, 16));
    QPainterPath glass;
    glass.moveTo(34, 16);
    glass.lineTo(66, 16);
    glass.lineTo(61, 70);
    glass.lineTo(39, 70);
    glass.closeSubpath();
    QLinearGradient cola(0, 16, 0, 70);
    cola.setColorAt(0, QColor(150, 60, 20));
    cola.setColorAt(1, QColor(60, 20, 8));
    p.setBrush(cola);
    p.drawPath(glass);
    p.setBrush(QColor(230, 250, 255, 170));
    p.drawRoundedRect(QRectF(38, 20, 9, 8), 1.5, 1.5);
    p.drawRoundedRect(QRectF(50, 24, 9, 8), 1.5, 1.5);
    p.drawRoundedRect(QRectF(43, 31, 9, 8), 1.5, 1.5);
    p.setPen(QPen(QColor(240, 40, 60), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(56, 40), QPointF(62, 4));
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.2));
    p.drawLine(QPointF(37, 22), QPointF(41, 64));
}

void PaintCoffee(QPainter &p)
{
    PaintPlateBackdrop(p, QColor(120, 84, 60), QColor(60, 36, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 240, 232));
    p.drawEllipse(QPointF(50, 38), 34, 30);
    p.setBrush(QColor(220, 214, 204));
    p.drawEllipse(QPointF(50, 38), 24, 21);
    p.setBrush(QColor(250, 248, 244));
    p.drawRoundedRect(QRectF(70, 33, 16, 8), 4, 4);
    p.drawEllipse(QPointF(50, 38), 21, 18);
    QRadialGradient crema(QPointF(50, 38), 18);
    crema.setColorAt(0, QColor(214, 160, 100));
    crema.setColorAt(1, QColor(120, 64, 30));
    p.setBrush(crema);
    p.drawEllipse(QPointF(50, 38), 18, 15.5);
    // A heart of milk foam.
    QPainterPath heart;
    heart.moveTo(50, 48);
    heart.cubicTo(38, 40, 40, 28, 50, 33);
    heart.cubicTo(60, 28, 62, 40, 50, 48);
    p.setBrush(QColor(250, 236, 214));
    p.drawPath(heart);
}

void PaintSalad(QPainter &p)
{
    PaintPlateBackdrop(p, QColor(236, 244, 226), QColor(170, 196, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(50, 40), 40, 30);
    QRandomGenerator random(17);
    const QColor greens[] = {QColor(70, 150, 40), QColor(120, 190, 60), QColor(40, 110, 40)};
    for (int i = 0; i < 40; ++i) {
        const double a = random.bounded(6.283);
        const double r = random.bounded(26.0);
        p.setBrush(greens[i % 3]);
        p.drawEllipse(QPointF(50 + std::cos(a) * r, 40 + std::sin(a) * r * 0.75), 6, 4);
    }
    p.setBrush(QColor(220, 40, 40));
    const QPointF tomatoes[] = {{40, 34}, {58, 30}, {62, 46}, {44, 48}, {52, 40}};
    for (const QPointF &t : tomatoes)
        p.drawEllipse(t, 3.6, 3.6);
    p.setBrush(QColor(250, 240, 200));
    p.drawRect(QRectF(33, 42, 4, 4));
    p.drawRect(QRectF(66, 36, 4, 4));
}

void PaintIceCream(QPainter &p)
{
    PaintPlateBackdrop(p, QColor(255, 220, 236), QColor(230, 150, 190));
    p.setPen(Qt::NoPen);
    QPainterPath cone;
    cone.moveTo(36, 36);
    cone.lineTo(64, 36);
    cone.lineTo(50, 72);
    cone.closeSubpath();
    p.setBrush(QColor(214, 160, 90));
    p.drawPath(cone);
    p.setPen(QPen(QColor(170, 110, 50), 0.6));
    for (int i = 0; i < 6; ++i) {
        p.drawLine(QPointF(38 + i * 5, 36), QPointF(50 + i * 1.2, 70));
        p.drawLine(QPointF(62 - i * 5, 36), QPointF(50 - i * 1.2, 70));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 246, 230));
    p.drawEllipse(QPointF(50, 34), 15, 9);
    p.setBrush(QColor(246, 150, 180));
    p.drawEllipse(QPointF(50, 24), 13, 11);
    p.setBrush(QColor(120, 70, 40));
    p.drawEllipse(QPointF(50, 12), 10, 8);
    p.setBrush(QColor(200, 20, 40));
    p.drawEllipse(QPointF(50, 4.5), 3, 3);
}

} // namespace

QImage PaintBackground(const QSize &size, BoardTheme theme)
{
    QImage image = NewImage(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const bool bistro = theme == BoardTheme::Bistro;
    QLinearGradient base(0, 0, size.width() * 0.3, size.height());
    base.setColorAt(0, bistro ? QColor(74, 22, 26) : QColor(16, 58, 62));
    base.setColorAt(1, bistro ? QColor(22, 10, 12) : QColor(6, 22, 30));
    p.fillRect(image.rect(), base);
    PaintTexture(p, size, bistro ? QColor(255, 255, 255, 7) : QColor(200, 255, 240, 7));
    PaintBokeh(p, size, bistro ? QColor(255, 190, 120) : QColor(160, 255, 220), bistro ? 7 : 11);
    PaintHeaderBand(p, size, bistro ? QColor(24, 8, 10) : QColor(4, 30, 34),
                    bistro ? QColor(214, 170, 90) : QColor(120, 220, 190));
    // Darker corners draw the eye to the middle of the board.
    QRadialGradient vignette(QPointF(size.width() / 2.0, size.height() / 2.0), std::hypot(size.width(), size.height()) / 2.0);
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, 110));
    p.fillRect(image.rect(), vignette);
    return image;
}

QImage PaintDish(Dish dish, const QSize &size)
{
    QImage image = NewImage(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    ScaleToDesign(p, size);
    switch (dish) {
    case Dish::Burger: PaintBurger(p); break;
    case Dish::Fries: PaintFries(p); break;
    case Dish::Drink: PaintDrink(p); break;
    case Dish::Coffee: PaintCoffee(p); break;
    case Dish::Salad: PaintSalad(p); break;
    case Dish::IceCream: PaintIceCream(p); break;
    }
    return image;
}

} // namespace zorvan::samples
