#include "editing/movesteps.h"

namespace zorvan {

namespace {

struct Steps {
    double plain;
    double coarse; // "Macro" checked or Alt held
    double fine;   // Shift held alone
};

Steps StepsOf(StepKind kind, bool textMode)
{
    switch (kind) {
    case StepKind::MoveAcross:
    case StepKind::SizeAcross: return {0.01, 0.1, 0.001};
    case StepKind::MoveUpDown:
    case StepKind::SizeUpDown: return {0.1, 1.0, textMode ? 0.1 : 0.01};
    case StepKind::LineSpacing:
    case StepKind::PriceSpacing: break;
    }
    return {};
}

} // namespace

double StepSize(StepKind kind, bool textMode, const StepKeys &keys)
{
    // The spacing buttons know no "Macro": line spacing has only its Alt fine step.
    if (kind == StepKind::PriceSpacing)
        return 0.2;
    if (kind == StepKind::LineSpacing)
        return keys.alt ? 0.01 : 0.1;
    const Steps steps = StepsOf(kind, textMode);
    if (keys.macro || keys.alt)
        return steps.coarse;
    return keys.shift ? steps.fine : steps.plain;
}

} // namespace zorvan
