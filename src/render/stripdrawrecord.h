#pragma once

#include "document/stripdata.h"
#include "render/decodedimagecache.h"
#include "render/renderstate.h"

#include <QRect>
#include <QRectF>
#include <QString>

#include <array>
#include <cstddef>
#include <vector>

class QPainter;

namespace zorvan {

class MenuData;

// What a strip was drawn from, what its drawing recorded and where it left
// ink, as a kept board remembers it.
struct StripDrawRecord {
    StripData data;
    QString picturePath;
    FileStamp pictureStamp;
    QRectF stripRect;
    std::array<QRectF, kTextItemCount> textRects;
    int tabSpacing = 0;
    QRect ink; // device pixels; empty when the strip draws nothing

    // The text step's values the strip's texts leave behind.
    bool setsLineHeight = false;
    int firstLineHeight = 0;
    int lineHeight = 0;
    // Two blocks in a row of the strip measured the same line height.
    bool matchesLineHeightWithin = false;
    bool setsPrices = false;
    double leftOverflow = 0.0;
    double rightOverflow = 0.0;
    double tabSpan = 0.0;
    bool tabsUsed = false;
};

// The record of a strip in a vector of kStripColumns x kStripRows records.
std::size_t StripRecordIndex(int column, int row);

// Bit for bit: QRectF's own comparison is fuzzy, and a record that is not a
// number equals itself.
bool SameRectBits(const QRectF &a, const QRectF &b);

// Draws one step of a strip, collecting its ink into ink (graphics device
// pixels) and, for the content step, the text step's values it sets into
// record. With inkOnly nothing is drawn, all else happens as usual.
void DrawStripRecorded(QPainter &painter, const MenuData &doc, RenderState &state, int column, int row,
                       bool boxStep, StripDrawRecord &record, QRectF &ink, bool inkOnly);

// The device pixels an ink area covers; empty for none. Ink whose place is
// not a number, or far off the board, counts as reaching everywhere.
QRect InkPixels(const QRectF &ink);

// The text step's values as a full composition leaves them: set by the last
// strip in the composition order that sets them, the probes' answers as the
// drawing gave them, the line-height mark cleared where a full composition
// clears it, anything no strip sets as before.
TextStepResults FoldTextResults(const MenuData &doc, const std::vector<StripDrawRecord> &strips,
                                const TextStepResults &before, const TextStepResults &drawn);

} // namespace zorvan
