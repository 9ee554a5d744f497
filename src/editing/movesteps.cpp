#include "editing/movesteps.h"

#include "editing/controlids.h"

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

QString StepKeysHint(int controlId)
{
    switch (controlId) {
    case ctl::MoveUp:
    case ctl::MoveDown:
    case ctl::MoveLeft:
    case ctl::MoveRight:
    case ctl::SizeUp:
    case ctl::SizeDown:
    case ctl::SizeLeft:
    case ctl::SizeRight: return QStringLiteral("Shift: finer steps. Alt or Ctrl: coarser steps, as with \"Macro\".");
    case ctl::LineSpacingUp:
    case ctl::LineSpacingDown: return QStringLiteral("Alt or Ctrl: finer steps.");
    }
    return {};
}

} // namespace zorvan
