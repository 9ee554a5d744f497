#pragma once

#include "samplepainting.h"

#include <QList>
#include <QSize>
#include <QString>

namespace zorvan {
class MenuData;
}

namespace zorvan::samples {

// One demo board: its layout, the background it is drawn on and the
// pictures its strips show.
struct SampleBoard {
    QString baseName;          // "ZorvanBistro" gives "ZorvanBistro_LAYOUT.ZORVAN"
    QSize backgroundSize;
    BoardTheme theme = BoardTheme::Bistro;
    // Picture file names (in the work folder) and what they show.
    QList<QPair<QString, Dish>> pictures;
};

// The landscape board: every kind of strip a menu uses, on a 3 x 6 grid.
SampleBoard LandscapeBoard();
// The portrait board: a 2 x 9 grid for a television turned on its side.
SampleBoard PortraitBoard();

// Fills doc with the board's strips; pictures are looked for in workFolder.
void BuildLayout(const SampleBoard &board, const QString &workFolder, MenuData &doc);

} // namespace zorvan::samples
