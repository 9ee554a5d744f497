#pragma once

#include "document/colour.h"

#include <QString>
#include <QStringView>

namespace zorvan {

// How single values look inside the layout text. Readers are lenient: they
// take what they can from the start of the value and fall back to zero, so
// that older or hand-edited files still load.

QString FormatLayoutInteger(int value);
// Fixed point with three decimals and '.' as decimal point.
QString FormatLayoutReal(double value);
QString FormatLayoutBoolean(bool value);
QString FormatLayoutAlignment(int alignment);
// "red,green,blue"; the high byte is not stored.
QString FormatLayoutColour(Colour colour);

// Leading decimal integer; no digits gives 0, overflow saturates.
int ReadLayoutInteger(QStringView value);
// Leading decimal number; no digits (or a number too large for a double) gives 0.0.
double ReadLayoutReal(QStringView value);
// True only for exactly "Yes".
bool ReadLayoutBoolean(QStringView value);
// "Center" 1, "Right" 2, anything else 0.
int ReadLayoutAlignment(QStringView value);
// Three integers split at the first two commas, each cut to 8 bits; a missing
// part is 0, so an empty value is black.
Colour ReadLayoutColour(QStringView value);

} // namespace zorvan
