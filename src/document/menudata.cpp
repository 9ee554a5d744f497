#include "document/menudata.h"

#include "document/striprectcache.h"

namespace zorvan {

MenuData::MenuData()
{
    ResetStyleTemplate();
    // The palette starts on white.
    ResetAllStrips(kWhite);
}

void MenuData::ResetAllStrips(Colour paletteColour)
{
    for (auto &column : m_strips)
        for (auto &strip : column)
            ResetStrip(strip);
    for (int k = 0; k < kTextItemCount; ++k)
        StyleTemplate.block(k).TextColor = paletteColour;
}

void MenuData::ResetStyleTemplate()
{
    ResetStrip(StyleTemplate);
}

void MenuData::ClearEmptyTextBlocks(int column, int row)
{
    StripData &s = strip(column, row);
    for (int k = 0; k < kTextItemCount; ++k)
        if (s.block(k).Text.isEmpty())
            ResetTextParams(s.block(k));
}

int MenuData::RemoveEmptyStrips(StripRectCache &rects)
{
    static const QString crlf = QStringLiteral("\r\n");
    int removed = 0;
    for (int c = 0; c < NumberOfColumns; ++c) {
        for (int r = 0; r < NumberOfRows; ++r) {
            StripData &s = strip(c, r);
            if (!IsStripInUse(s))
                continue;
            for (int k = 0; k < kTextItemCount; ++k)
                if (s.block(k).Text == crlf)
                    s.block(k).Text.clear();
            if (StripHasText(s))
                continue;
            bool drawnText = false;
            for (int k = 0; k < kTextItemCount; ++k)
                drawnText = drawnText || rects.textRectLeft(c, r, k) > 0;
            const bool drawnBareBox = s.SubImageFileName.isEmpty() && s.BackGroundColor == kNoColour
                                      && rects.pictureRectLeft(c, r) > 0;
            if (drawnText || drawnBareBox) {
                ResetStrip(s);
                rects.ForgetStripRects(c, r);
                ++removed;
            }
        }
    }
    return removed;
}

} // namespace zorvan
