#pragma once

#include "document/colour.h"
#include "document/columnrow.h"
#include "document/stripdata.h"

#include <QPoint>
#include <QRectF>
#include <QString>

#include <vector>

namespace zorvan {

// What the user has picked on the board.
struct Selection {
    ColumnRow textEditStrip{0, 0};
    ColumnRow pictureEditStrip{0, 0};
    ColumnRow backgroundEditStrip{0, 0};
    int hitTextItem = -1;
    int enteredTextItem = 0;
    int editedTextItem = 0;
    int activeColourIndex = 2;
    Colour currentTextColour = kWhite;
    QString currentFontName = QStringLiteral("Segoe UI");
    bool leftTextWithoutPicture = false;
    // The edit box that had the focus last (its control id; 0 before any).
    int lastFocusedBox = 0;
    // Start of the price part the last click on a price selected in the prices box.
    int priceCaretPosition = 0;
};

// A saved copy of one strip, taken when a strip mode is entered and before a change.
struct UndoEntry {
    ColumnRow strip;
    StripData data;
    int kind = 0;
};

struct UndoHistory {
    std::vector<UndoEntry> entries;
    int index = -1;

    void clear()
    {
        entries.clear();
        index = -1;
    }
};

// A strip picked for group mode, with where its texts were when it was
// picked: the spacing works from these, not from a fresh measurement.
struct GroupItem {
    ColumnRow strip;
    QRectF textUnion; // screen space
};

struct StripGroup {
    std::vector<GroupItem> members; // in the order they were picked
    int column = -1;                // the column of the first strip picked
};

// A right-button drag from its press to its release; the kind lives with the modes.
struct StripDrag {
    ColumnRow source = kNoStrip;
    QPoint pressPoint;
};

} // namespace zorvan
