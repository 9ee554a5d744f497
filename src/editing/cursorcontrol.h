#pragma once

#include "editing/editmode.h"

#include <QPoint>

namespace zorvan {

// The mouse cursor as the editor uses it: the wait cursor while a long
// command runs, and moving the pointer to a point of the window.
class CursorControl {
public:
    virtual ~CursorControl() = default;
    virtual void beginWait() = 0;
    virtual void endWait() = 0;
    // Client coordinates of the main window.
    virtual void setPosition(const QPoint &clientPoint) = 0;
    // The cursor of a right-button drag over the preview; None brings the arrow back.
    virtual void showDragCursor(RightDragKind kind) { (void)kind; }
};

// Shows the wait cursor for as long as it lives.
class WaitCursor {
public:
    explicit WaitCursor(CursorControl &cursor) : m_cursor(cursor) { m_cursor.beginWait(); }
    ~WaitCursor() { m_cursor.endWait(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    CursorControl &m_cursor;
};

} // namespace zorvan
