#pragma once

#include <QString>

namespace zorvan {

// Within each price column (a segment ending just after "^" or after CR LF)
// only the first calories mark "<" or ">" stays.
QString KeepFirstCaloriesMark(const QString &text);

// What the prices box may hold: no backslash and at most two lines. The
// correction and where the caret belongs after it.
struct PriceEntry {
    QString text;
    bool reload = false;  // the box must show text instead of what was typed
    int caret = -1;       // where the caret goes after the reload (CR LF counted as two); -1: the end
    bool caretToPriceCaret = false; // surplus calories marks: back to where the last click on a price put it
};
PriceEntry CorrectPriceEntry(const QString &typed);


} // namespace zorvan
