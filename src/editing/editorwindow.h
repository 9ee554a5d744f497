#pragma once

#include <QRect>
#include <QString>
#include <QUrl>

namespace zorvan {

// What the editor asks of the window it runs in, beyond the panel, the
// dialogs and the cursor.
class EditorWindow {
public:
    virtual ~EditorWindow() = default;

    virtual void setWindowTitle(const QString &title) = 0;
    // The preview needs painting again: the window calls back into the editor.
    virtual void repaintPreview() = 0;
    // The part of the client area the board may use, in client coordinates.
    virtual QRect availableArea() const = 0;
    // Opens a page in the default browser; false when nothing could open it.
    virtual bool openUrl(const QUrl &url) = 0;
    // Ends the editor at once with this exit status, with no further questions.
    virtual void endProcess(int exitCode) = 0;
    // Drops the left-button clicks that arrived while a long command ran, so
    // that clicks made during the wait do not act on what it left behind.
    virtual void discardQueuedClicks() {}
};

} // namespace zorvan
