#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringView>

#include <memory>

class QPainter;

namespace zorvan {

// Horizontal placement of a string inside its layout rectangle.
enum class TextAlign { Near = 0, Center = 1, Far = 2 };

// GroupAlignment 0 is near, 1 centre, anything above far.
TextAlign TextAlignFromGroupAlignment(int groupAlignment);

// A face at an em size in pixels of the surface it draws on, with everything
// the strip texts measure and draw through. All measuring and drawing of board
// texts goes through here so that a box measured is exactly the box drawn.
//
// Layouts made on the other platform were positioned by eye against its text
// engine, so the boxes follow its habits: a measured string carries one sixth
// of an em of padding before and after the text, is one line spacing tall per
// line (lines end at CR LF, CR or LF), counts trailing spaces and never wraps.
// A string is drawn inside that padded box, placed in the layout rectangle with
// the requested alignment, and clipped to the layout rectangle when it does
// not fit.
//
// Sizes are kept fractional: every face is measured at one large reference
// size and scaled, and drawn the same way, so a board looks the same on the
// reduced preview and on the full-size output.
class TextFont {
public:
    // An invalid font: measures zero boxes and draws nothing.
    TextFont() = default;
    // A face that is not installed falls back to the generic sans-serif family.
    TextFont(const QString &face, double emPixels, bool bold, bool italic);

    // Points on a surface of the given resolution; a resolution that is not
    // positive counts as 96 dpi.
    static double EmPixelsFromPoints(double points, int dotsPerInch);

    // Forgets the faces, measurements and shaping kept, on every thread
    // (each when it next draws), so the next text is drawn as on a first
    // refresh.
    static void ClearCaches();

    bool isValid() const { return m_shared != nullptr; }
    double emPixels() const { return m_em; }
    bool bold() const;
    bool italic() const;
    // The family that really draws (the fallback when the face is missing).
    QString resolvedFamily() const;

    double lineSpacing() const;
    double ascent() const;
    double padding() const { return m_em / 6.0; }
    // Advance width of one line of text, trailing spaces included.
    double advance(QStringView line) const;

    // Bounding box of text placed in layout with the alignment; an empty text
    // gives a zero-sized box at the layout's top-left corner.
    QRectF measure(QStringView text, const QRectF &layout, TextAlign align) const;
    // The same box measured from the origin (0, 0), near-aligned.
    QRectF measure(QStringView text) const;

    void draw(QPainter &painter, QStringView text, const QRectF &layout, TextAlign align,
              const QColor &colour) const;

    struct Shared;

private:
    std::shared_ptr<const Shared> m_shared;
    double m_em = 0.0;
    double m_scale = 0.0;
};

} // namespace zorvan
