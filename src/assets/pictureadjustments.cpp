#include "assets/pictureadjustments.h"

#include "document/stripdata.h"

namespace zorvan {

bool ChangeBrightness(StripData &strip, int delta)
{
    if (strip.SubImageFileName.contains(QLatin1String(".gif")))
        return false;
    strip.SubImageBrightnessFactor += delta;
    return true;
}

namespace {

struct AxisFields {
    int &crop;
    int &origin;
};

AxisFields XAxis(StripData &strip)
{
    return {strip.SubImageCropPercentageX, strip.SubImageCropOriginPercentageX};
}

AxisFields YAxis(StripData &strip)
{
    return {strip.SubImageCropPercentageY, strip.SubImageCropOriginPercentageY};
}

bool CanZoomIn(const AxisFields &axis)
{
    return axis.crop > kZoomInFloor;
}

void ZoomAxisIn(AxisFields axis)
{
    axis.crop -= kZoomCropStep;
    axis.origin += kZoomOriginStep;
}

bool CanZoomOut(const AxisFields &axis)
{
    return axis.crop + axis.origin < 100;
}

void ZoomAxisOut(AxisFields axis)
{
    const int oldEnd = axis.crop + axis.origin;
    axis.crop += kZoomCropStep;
    axis.origin -= kZoomOriginStep;
    // The far edge moves by 2; past the picture's edge the crop gives way.
    if (oldEnd + kZoomOriginStep > 100)
        axis.crop -= oldEnd + kZoomOriginStep - 100;
}

} // namespace

bool ZoomIn(StripData &strip, ZoomAxis axis)
{
    AxisFields x = XAxis(strip);
    AxisFields y = YAxis(strip);
    switch (axis) {
    case ZoomAxis::Both:
        if (!CanZoomIn(x) || !CanZoomIn(y))
            return false;
        ZoomAxisIn(x);
        ZoomAxisIn(y);
        return true;
    case ZoomAxis::Horizontal:
        if (!CanZoomIn(x))
            return false;
        ZoomAxisIn(x);
        return true;
    case ZoomAxis::Vertical:
        if (!CanZoomIn(y))
            return false;
        ZoomAxisIn(y);
        return true;
    }
    return false;
}

bool ZoomOut(StripData &strip, ZoomAxis axis)
{
    AxisFields x = XAxis(strip);
    AxisFields y = YAxis(strip);
    switch (axis) {
    case ZoomAxis::Both:
        if (!CanZoomOut(x) || !CanZoomOut(y))
            return false;
        ZoomAxisOut(x);
        ZoomAxisOut(y);
        return true;
    case ZoomAxis::Horizontal:
        if (!CanZoomOut(x))
            return false;
        ZoomAxisOut(x);
        return true;
    case ZoomAxis::Vertical:
        if (!CanZoomOut(y))
            return false;
        ZoomAxisOut(y);
        return true;
    }
    return false;
}

bool Pan(StripData &strip, PanDirection direction, bool fine)
{
    const int step = fine ? kFinePanStep : kPanStep;
    const auto forward = [step](AxisFields axis) {
        if (axis.crop + axis.origin >= 100 - step)
            return false;
        axis.origin += step;
        return true;
    };
    const auto back = [step](AxisFields axis) {
        if (step >= axis.origin)
            return false;
        axis.origin -= step;
        return true;
    };
    switch (direction) {
    case PanDirection::Lower: return forward(YAxis(strip));
    case PanDirection::Higher: return back(YAxis(strip));
    case PanDirection::Right: return forward(XAxis(strip));
    case PanDirection::Left: return back(XAxis(strip));
    }
    return false;
}

PanControls PanControlsFor(const StripData &strip)
{
    PanControls controls;
    controls.horizontal = strip.SubImageCropPercentageX < 100;
    controls.vertical = strip.SubImageCropPercentageY < 100;
    controls.label = controls.horizontal || controls.vertical;
    return controls;
}

} // namespace zorvan
