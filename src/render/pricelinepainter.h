#pragma once

#include "document/colour.h"

#include <QColor>
#include <QRectF>
#include <QStringView>

class QPainter;

namespace zorvan {

class TextFont;
struct TextStepResults;

// One line of the prices block, drawn once as its shadow and once as text.
struct PriceLine {
    QStringView text;
    bool shadow = false;
    double shadowOffset = 0.0;
    int groupAlignment = 2;
    QRectF layout;          // y and height of the line; x and width are not used
    double anchorX = 0.0;   // where the rightmost column is anchored
    double tabSpacing = 0.0;
    double caloriesSpacing = 0.0;
    const TextFont *font = nullptr;
    const TextFont *caloriesFont = nullptr; // absent when the line has no "<" or ">"
    QColor colour;          // text colour, or the shadow colour in the shadow pass
    Colour caloriesColour = 0;
    bool caloriesItalics = false;
    bool whitePrint = false;
    // The colour of the text block selected last; "~" boxes of regular parts.
    Colour outlineColour = kWhite;
};

// Draws the line's columns from the anchor leftwards, one tab spacing apart,
// and answers the price probe of results. Returns the horizontal extent of
// what it drew (left, layout y, width, layout height); an empty rectangle when
// nothing was drawn, and always in the shadow pass.
QRectF DrawPriceLine(QPainter &painter, const PriceLine &line, TextStepResults &results);

} // namespace zorvan
