#include "buttonicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zorvan {

namespace {

QPixmap DrawIcon(ButtonIcon icon, int size, const QColor &colour)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const double s = size;
    const double m = s * 0.18; // margin
    switch (icon) {
    case ButtonIcon::Up:
    case ButtonIcon::Down:
    case ButtonIcon::Left:
    case ButtonIcon::Right: {
        // One triangle pointing up, turned for the other directions.
        QPainterPath path;
        path.moveTo(s / 2, m);
        path.lineTo(s - m, s - m);
        path.lineTo(m, s - m);
        path.closeSubpath();
        const int turns = icon == ButtonIcon::Up ? 0 : icon == ButtonIcon::Right ? 1 : icon == ButtonIcon::Down ? 2 : 3;
        painter.translate(s / 2, s / 2);
        painter.rotate(90.0 * turns);
        painter.translate(-s / 2, -s / 2);
        painter.drawPath(path);
        break;
    }
    case ButtonIcon::Plus:
    case ButtonIcon::Minus: {
        const double bar = qMax(2.0, s * 0.16);
        painter.drawRect(QRectF(m, (s - bar) / 2, s - 2 * m, bar));
        if (icon == ButtonIcon::Plus)
            painter.drawRect(QRectF((s - bar) / 2, m, bar, s - 2 * m));
        break;
    }
    case ButtonIcon::None:
        break;
    }
    return pixmap;
}

} // namespace

QIcon MakeButtonIcon(ButtonIcon icon, int size)
{
    QIcon result;
    result.addPixmap(DrawIcon(icon, size, QColor(20, 20, 20)), QIcon::Normal);
    result.addPixmap(DrawIcon(icon, size, QColor(160, 160, 160)), QIcon::Disabled);
    return result;
}

QIcon MakeWindowIcon()
{
    QIcon result;
    for (int size : {16, 32, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(QColor(30, 30, 40));
        QPainter painter(&pixmap);
        const double cell = size / 4.0;
        const QColor colours[] = {QColor(200, 40, 40), QColor(240, 190, 40), QColor(60, 160, 70), QColor(50, 110, 200)};
        for (int row = 0; row < 4; ++row)
            painter.fillRect(QRectF(cell * 0.3, row * cell + cell * 0.15, size - cell * 0.6, cell * 0.7), colours[row]);
        result.addPixmap(pixmap);
    }
    return result;
}

} // namespace zorvan
