#pragma once

#include "editing/cursorcontrol.h"
#include "editing/editor.h"
#include "editing/editorwindow.h"
#include "qtdialogs.h"
#include "widgetpanel.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

namespace zorvan {

class BoardView;
class FontInstallView;
class Workspace;

// The editor's one window: the panel, the menu bar and the preview around
// the editor core. It only turns Qt events into editor calls and editor
// requests into widget changes.
class MainWindow : public QMainWindow, private EditorWindow, private CursorControl {
    Q_OBJECT
public:
    // dialogs: null for real message boxes and file dialogs.
    MainWindow(Workspace &workspace, UserDialogs *dialogs, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The window's initialisation, once: the editor's part and the placement.
    void Initialise(const QString &programFolder);

    Editor &editor() { return *m_editor; }
    WidgetPanel &panel() { return *m_panel; }
    BoardView &boardView() { return *m_view; }
    QAction *menuAction(int id) const;

    // Runs the command of a control or menu id with the modifiers of the
    // event that sent it; false when the id has no command yet.
    bool pressControl(int id);
    // The modifiers the next presses carry instead of the keyboard's (scripted presses).
    void setPressModifiers(std::optional<Qt::KeyboardModifiers> modifiers) { m_pressModifiers = modifiers; }
    // Whether the last press found a command.
    bool lastPressHandled() const { return m_lastPressHandled; }

    // Opens pages instead of the desktop's browser when set (scripted sessions record them).
    std::function<bool(const QUrl &)> urlOpener;

    // Called once when the editor ends the process with its exit status.
    std::function<void(int)> onEnd;
    bool ended() const { return m_ended; }
    // The close box (or Alt+F4) closed the window; the application ends with it.
    bool closed() const { return m_closed; }

    // Where the preview may draw, in client coordinates.
    QRect previewArea() const { return availableArea(); }

    // The client size the scripted sessions ask for.
    void setClientSize(const QSize &size);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // EditorWindow
    void setWindowTitle(const QString &title) override;
    void repaintPreview() override;
    QRect availableArea() const override;
    bool openUrl(const QUrl &url) override;
    void endProcess(int exitCode) override;
    void discardQueuedClicks() override;
    // CursorControl
    void beginWait() override;
    void endWait() override;
    void setPosition(const QPoint &clientPoint) override;
    void showDragCursor(RightDragKind kind) override;

    void buildMenu();
    void paintPreview(QPainter &painter);

    QtDialogs m_qtDialogs;
    BoardView *m_view = nullptr;
    std::unique_ptr<WidgetPanel> m_panel;
    std::unique_ptr<Editor> m_editor;
    std::map<int, QAction *> m_menuActions;
    std::optional<Qt::KeyboardModifiers> m_pressModifiers;
    // Those of the last mouse or key event the application handled.
    std::optional<Qt::KeyboardModifiers> m_inputModifiers;
    bool m_lastPressHandled = false;
    bool m_ended = false;
    bool m_closed = false;
    std::unique_ptr<FontInstallView> m_fontView;
    // Left clicks made before a long command ended are dropped: their
    // timestamps (in the window system's clock) are compared with the end
    // of the command, which is known in that clock through the offset last
    // seen between an input event's timestamp and m_clock.
    bool madeDuringLastCommand(quint64 timestamp) const;
    QElapsedTimer m_clock;
    std::optional<qint64> m_eventClockOffset;
    std::optional<quint64> m_discardClicksBefore;
    bool m_dropNextLeftRelease = false;
    bool m_migrationQueued = false;
};

// Base units of the dialog font ("Microsoft Sans Serif", 10 points, or its stand-in).
DialogUnits DialogBaseUnits(const QFont &font);
QFont DialogFont();

} // namespace zorvan
