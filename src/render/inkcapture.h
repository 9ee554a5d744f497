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
    // With inkOnly, the drawing measures and records everything as usual but
    // leaves no pixels: where a strip will leave ink is then known before
    // anything is drawn.
    explicit InkCapture(QRectF &ink, bool inkOnly = false);
    ~InkCapture();
    InkCapture(const InkCapture &) = delete;
    InkCapture &operator=(const InkCapture &) = delete;

private:
    QRectF *m_previous;
    bool m_previousInkOnly;
};

// True while an ink-only capture runs: the caller reports its ink and draws nothing.
bool InkOnly();

// Adds rect (logical coordinates of the painter) to the capture, grown by
// outset device pixels on every side for antialiasing and pen widths. Does
// nothing while no capture is running.
void ReportInk(const QPainter &painter, const QRectF &rect, double outset);

} // namespace zorvan
