#include "assets/upright.h"

#include "render/imaging.h"

namespace zorvan {

bool Upright(QImage &image, int exifOrientation)
{
    if (image.isNull())
        return false;
    struct Turn {
        int quarterTurns;
        bool flip;
    };
    // Clockwise quarter turns, then a left-right mirror.
    static constexpr Turn kTurns[] = {
        {0, false}, // 1
        {0, true},  // 2
        {2, false}, // 3
        {2, true},  // 4
        {1, true},  // 5
        {1, false}, // 6
        {3, true},  // 7
        {3, false}, // 8
    };
    if (exifOrientation < 2 || exifOrientation > 8)
        return false;
    const Turn turn = kTurns[exifOrientation - 1];
    image = RotateQuarterTurns(image, turn.quarterTurns, turn.flip);
    return true;
}

} // namespace zorvan
