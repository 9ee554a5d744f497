#pragma once

namespace zorvan {

// The rectangles recorded by the last drawing belong to the renderer; the
// document only asks about them and tells it to forget a strip's.
class StripRectCache {
public:
    virtual ~StripRectCache() = default;
    // Left edge of block textItem's recorded text rectangle.
    virtual double textRectLeft(int column, int row, int textItem) const = 0;
    // Left edge of the strip's recorded picture (strip box) rectangle.
    virtual double pictureRectLeft(int column, int row) const = 0;
    virtual void ForgetStripRects(int column, int row) = 0;
    virtual void ForgetAllStripRects() = 0;
};

} // namespace zorvan
