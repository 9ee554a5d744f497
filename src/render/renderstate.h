#pragma once

#include "document/colour.h"
#include "document/striprectcache.h"
#include "document/textparams.h"
#include "render/stripgrid.h"

#include <QPoint>
#include <QRectF>
#include <QString>

#include <array>
#include <limits>

namespace zorvan {

class FontCollector;

// Where the board is shown, in screen space. right and bottom lie one pixel
// past the board, so width() is right - left.
struct BoardRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const BoardRect &, const BoardRect &) = default;
};

// Marks lastMeasuredLineHeight as not measured since.
inline constexpr int kUnmeasuredLineHeight = std::numeric_limits<int>::min();

// What the text step measured on the strip it drew last, and the probes the
// click handler arms before a refresh. Single values: each strip's drawing
// overwrites them.
struct TextStepResults {
    double leftOverflow = 0.0;
    double rightOverflow = 0.0;
    double tabSpan = 0.0;
    bool tabsUsed = false;
    int lastMeasuredLineHeight = 0;
    bool lineHeightChanged = false;
    // The first line height measured after lastMeasuredLineHeight was marked
    // unmeasured: with it a kept board tells whether a strip's first block
    // matches the line height measured before the strip.
    int firstMeasuredLineHeight = 0;
    // Armed by the click handler, graphics space; (0, 0) means no probe.
    QPoint priceProbePoint;
    bool rightPartHit = false;
    bool leftPartHit = false;
    // A negative request is off; otherwise each price line stores its digit width.
    int digitWidthProbe = -1;
    double digitWidthAnswer = 0.0;
};

// The rendering state that lives beside the document for the whole run: the
// geometry of the last refresh, the rectangles recorded by the last drawing
// and the flags that steer how the board is drawn.
class RenderState : public StripRectCache {
public:
    RenderState();

    // Geometry of the last refresh.
    BoardRect boardRect;
    double screenRatio = 0.0; // screen pixels per graphics pixel
    int imageWidth = 0;
    int imageHeight = 0;
    int imageResolution = 96; // dots per inch, truncated
    StripGrid<QRectF> cellGrid;   // screen space; zero outside the grid in use

    // Recorded by the last drawing, screen space.
    StripGrid<QRectF> stripScreenRects;
    StripGrid<std::array<QRectF, kTextItemCount>> textScreenRects;
    StripGrid<int> priceTabSpacing; // graphics pixels
    QRectF previewDestRect;

    QString backgroundExtension;

    bool resolutionReadoutPending = false;
    bool erasePending = false;
    bool backgroundProxyInUse = false;
    bool pictureProxiesInUse = false;
    bool outputRender = false;
    bool fontCollection = false;
    bool whitePrint = false;

    // "Face,file;" per font file collected during one composition.
    QString usedFontList;
    // Counts the compositions drawn from this state, so that a board kept
    // from an earlier one knows when another drawing changed the records.
    quint64 compositions = 0;

    // This run's work folder; holds "Background_Proxy.jpg" and collected fonts.
    QString workFolder;
    // The colour of the text block selected last; regular "~" outlines use it.
    Colour currentTextColour = kWhite;

    TextStepResults text;
    // Copies the font files the texts use while fonts are collected; none
    // means nothing is collected. Not owned.
    FontCollector *fontCollector = nullptr;

    double textRectLeft(int column, int row, int textItem) const override;
    double pictureRectLeft(int column, int row) const override;
    void ForgetStripRects(int column, int row) override;
    void ForgetAllStripRects() override;
};

} // namespace zorvan
