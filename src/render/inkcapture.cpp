#include "render/inkcapture.h"

#include <QPainter>

#include <cmath>

namespace zorvan {

namespace {

thread_local QRectF *t_ink = nullptr;
thread_local bool t_inkOnly = false;

} // namespace

InkCapture::InkCapture(QRectF &ink, bool inkOnly) : m_previous(t_ink), m_previousInkOnly(t_inkOnly)
{
    t_ink = &ink;
    t_inkOnly = inkOnly;
}

InkCapture::~InkCapture()
{
    t_ink = m_previous;
    t_inkOnly = m_previousInkOnly;
}

bool InkOnly()
{
    return t_inkOnly;
}

void ReportInk(const QPainter &painter, const QRectF &rect, double outset)
{
    if (!t_ink)
        return;
    // A rectangle without width or height still marks pixels once outset.
    QRectF device = painter.deviceTransform().mapRect(rect.normalized()).adjusted(-outset, -outset, outset, outset);
    // A drawing whose place is not a number may land anywhere.
    if (!(std::isfinite(device.left()) && std::isfinite(device.top()) && std::isfinite(device.right())
          && std::isfinite(device.bottom())))
        device = QRectF(-1.0e8, -1.0e8, 2.0e8, 2.0e8);
    QRectF &ink = *t_ink;
    if (ink.isEmpty()) {
        ink = device;
        return;
    }
    const double left = std::min(ink.left(), device.left());
    const double top = std::min(ink.top(), device.top());
    const double right = std::max(ink.right(), device.right());
    const double bottom = std::max(ink.bottom(), device.bottom());
    ink = QRectF(left, top, right - left, bottom - top);
}

} // namespace zorvan
