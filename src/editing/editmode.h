#pragma once

#include <QString>

namespace zorvan {

enum class RightDragKind { None, Copy, Move, Restyle };

// The edit mode, held as independent flags: at most one of the three strip
// modes is set, group mode only while none of them is, and a right drag may
// run during a strip mode.
struct EditModes {
    bool text = false;
    bool picture = false;
    bool background = false;
    bool group = false;
    RightDragKind rightDrag = RightDragKind::None;

    bool anyStripMode() const { return text || picture || background; }
    void clearStripModes() { text = picture = background = false; }
};

// Status line texts.
inline const QString kStatusIdle = QStringLiteral("EDIT MODE:  IDLE");
inline const QString kStatusIdleAfterText = QStringLiteral("EDIT MODE: IDLE");
inline const QString kStatusText = QStringLiteral("EDIT MODE:  TEXT");
inline const QString kStatusPicture = QStringLiteral("EDIT MODE:  PICTURE");
inline const QString kStatusBackground = QStringLiteral("EDIT MODE:  BACKGROUND");
inline const QString kStatusGroup = QStringLiteral("EDIT MODE:  GROUP");
inline const QString kStatusCopying = QStringLiteral("EDIT MODE:  COPYING STRIP");
inline const QString kStatusMoving = QStringLiteral("EDIT MODE:  MOVING STRIP");

} // namespace zorvan
