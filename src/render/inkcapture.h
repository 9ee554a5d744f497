#pragma once

#include <QRectF>

class QPainter;

namespace zorvan {

// Collects, while it lives, the device area every strip drawing on this
// thread may leave pixels in. A board recomposed only where something changed
// needs to know which strips reach into that area, including text that passes
// its box, shadows, outlines and frames. Captures nest: the inner one collects
// until it ends.
class InkCapture {
public:
    explicit InkCapture(QRectF &ink);
    ~InkCapture();
    InkCapture(const InkCapture &) = delete;
    InkCapture &operator=(const InkCapture &) = delete;

private:
    QRectF *m_previous;
};

// Adds rect (logical coordinates of the painter) to the capture, grown by
// outset device pixels on every side for antialiasing and pen widths. Does
// nothing while no capture is running.
void ReportInk(const QPainter &painter, const QRectF &rect, double outset);

} // namespace zorvan
