#pragma once

namespace zorvan {

struct StripData;

inline constexpr int kBrightnessStep = 20;
inline constexpr int kZoomCropStep = 4;
inline constexpr int kZoomOriginStep = 2;
inline constexpr int kZoomInFloor = 16;
inline constexpr int kPanStep = 4;
inline constexpr int kFinePanStep = 1;

enum class ZoomAxis { Both, Horizontal, Vertical };
enum class PanDirection { Lower, Higher, Right, Left };

// Adds delta to the strip's brightness, without limit. GIF pictures are not
// brightened: returns false and leaves the strip alone.
bool ChangeBrightness(StripData &strip, int delta);

// Shows less of the picture: each crop on the axis goes down by 4 and its
// origin up by 2, while the crop is above 16 (for both axes, while both are).
// Returns whether anything changed.
bool ZoomIn(StripData &strip, ZoomAxis axis);

// Shows more of the picture: each crop on the axis goes up by 4 and its
// origin down by 2, while crop + origin is below 100 (for both axes, while
// both are); a crop that would reach past the picture's edge is cut back so
// that crop + origin ends at 100.
bool ZoomOut(StripData &strip, ZoomAxis axis);

// Moves the visible part by 4 percentage points, or 1 with Alt, as long as it
// stays inside the picture. Returns whether it moved.
bool Pan(StripData &strip, PanDirection direction, bool fine);

// Which pan controls the crop leaves something to pan for.
struct PanControls {
    bool label = false;      // the "Pan" label
    bool horizontal = false; // 1072, 1073
    bool vertical = false;   // 1048, 1074
};
PanControls PanControlsFor(const StripData &strip);

} // namespace zorvan
