#include "boardview.h"

#include <QMouseEvent>
#include <QPainter>

namespace zorvan {

namespace {

bool AltHeld(Qt::KeyboardModifiers modifiers)
{
    // Window managers often keep Alt+drag for themselves, so Ctrl does as well.
    return modifiers & (Qt::AltModifier | Qt::ControlModifier);
}

} // namespace

BoardView::BoardView(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::ClickFocus);
}

void BoardView::paintEvent(QPaintEvent *)
{
    if (!paintPreview)
        return;
    QPainter painter(this);
    paintPreview(painter);
}

void BoardView::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (event->button() == Qt::LeftButton && leftPressed)
        leftPressed(p, shift, AltHeld(event->modifiers()));
    else if (event->button() == Qt::RightButton && rightPressed)
        rightPressed(p, shift, AltHeld(event->modifiers()));
}

void BoardView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && rightReleased)
        rightReleased(event->position().toPoint(), event->modifiers() & Qt::ShiftModifier,
                      AltHeld(event->modifiers()));
}

void BoardView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (resized)
        resized();
}

} // namespace zorvan
