#include "mainwindow.h"

#include "boardview.h"
#include "buttonicons.h"
#include "fontinstalldialog.h"
#include "textboxwatcher.h"

#include "assets/fontstandinsubstitution.h"
#include "editing/colourcommands.h"
#include "editing/controlids.h"
#include "editing/leftclick.h"
#include "editing/textentry.h"
#include "editing/groupmode.h"
#include "editing/stripdrag.h"
#include "editing/sessioncommands.h"
#include "editing/workspace.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace zorvan {

QFont DialogFont()
{
    QFont font(QStringLiteral("Microsoft Sans Serif"), 10);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

DialogUnits DialogBaseUnits(const QFont &font)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    DialogUnits units;
    units.baseX = (width / 26 + 1) / 2;
    units.baseY = metrics.height();
    return units;
}

MainWindow::MainWindow(Workspace &workspace, UserDialogs *dialogs, QWidget *parent) : QMainWindow(parent)
{
    m_clock.start();
    m_qtDialogs.setParent(this);
    setFont(DialogFont());
    setWindowIcon(MakeWindowIcon());
    m_view = new BoardView(this);
    m_view->setFont(DialogFont());
    setCentralWidget(m_view);
    m_panel = std::make_unique<WidgetPanel>(m_view, DialogBaseUnits(m_view->font()), [this](int id) { pressControl(id); });
    const EditorServices services{*m_panel, dialogs ? *dialogs : m_qtDialogs, *this, *this, workspace};
    m_editor = std::make_unique<Editor>(services);
    if (!dialogs) {
        m_fontView = std::make_unique<DialogFontInstallView>(this);
        m_editor->SetFontInstallView(m_fontView.get());
    }
    buildMenu();
    m_view->paintPreview = [this](QPainter &painter) { paintPreview(painter); };
    m_view->resized = [this] { m_editor->WindowResized(); };
    m_view->leftPressed = [this](const QPoint &point, bool shift, bool) { HandleLeftClick(*m_editor, point, shift); };
    m_view->rightPressed = [this](const QPoint &p, bool shift, bool alt) { StartDrag(*m_editor, p, shift, alt); };
    m_view->rightReleased = [this](const QPoint &p, bool, bool) { EndDrag(*m_editor, p); };
    qApp->installEventFilter(this);
    auto *watcher = new TextBoxWatcher(this);
    for (int id : {ctl::MainItemBox, ctl::SubItemBox, ctl::PricesBox})
        watcher->watch(m_panel->widget(id), id);
    watcher->focusGained = [this](int id) { OnTextBoxFocus(*m_editor, TextItemOfBox(id)); };
    watcher->focusLost = [this](int id) { OnTextBoxBlur(*m_editor, TextItemOfBox(id)); };
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

void MainWindow::buildMenu()
{
    // The one menu's title is two blanks, as users of the editor know it.
    QMenu *menu = menuBar()->addMenu(QStringLiteral("  "));
    const auto add = [this, menu](int id, const QString &text) {
        QAction *action = menu->addAction(text);
        connect(action, &QAction::triggered, this, [this, id] { pressControl(id); });
        m_menuActions[id] = action;
    };
    add(ctl::MenuOpen, QStringLiteral("&Open..."));
    add(ctl::MenuSaveAs, QStringLiteral("Save &As..."));
    menu->addSeparator();
    add(ctl::MenuExit, QStringLiteral("Exit"));
    menu->addSeparator();
    add(ctl::About, QStringLiteral("&About Zorvan Pro Editor 3.0..."));
}

QAction *MainWindow::menuAction(int id) const
{
    auto it = m_menuActions.find(id);
    return it == m_menuActions.end() ? nullptr : it->second;
}

void MainWindow::Initialise(const QString &programFolder)
{
    m_editor->Initialise(programFolder);
    // Layouts from the other platform name faces this machine may lack; their stand-ins keep the metrics.
    ApplyFontStandIns(m_editor->fontCatalogue());
    setGeometry(0, 0, 1280, 760);
}

bool MainWindow::pressControl(int id)
{
    // A button's click comes out of the mouse release or key that made it: its keys are those of that event.
    const Qt::KeyboardModifiers modifiers =
        m_pressModifiers.value_or(m_inputModifiers.value_or(QGuiApplication::queryKeyboardModifiers()));
    CommandEvent event;
    event.id = id;
    event.shift = modifiers & Qt::ShiftModifier;
    event.alt = modifiers & (Qt::AltModifier | Qt::ControlModifier);
    m_lastPressHandled = m_editor->RunCommand(event);
    return m_lastPressHandled;
}

void MainWindow::setClientSize(const QSize &size)
{
    const int menuHeight = menuBar()->isVisible() ? menuBar()->sizeHint().height() : 0;
    resize(size.width(), size.height() + menuHeight);
    // Offscreen windows take the new size at once; make the central widget follow.
    if (m_view->size() != size && layout())
        layout()->activate();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_ended) {
        event->accept();
        return;
    }
    if (!m_editor->QueryClose()) {
        event->ignore();
        return;
    }
    event->accept();
    if (!m_closed) {
        m_closed = true;
        m_editor->WindowClosed();
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto *input = static_cast<QInputEvent *>(event);
        m_inputModifiers = input->modifiers();
        // Events made up by a program carry no time; they are taken as they come.
        if (input->timestamp() != 0 && !madeDuringLastCommand(input->timestamp()))
            m_eventClockOffset = qint64(input->timestamp()) - m_clock.elapsed();
        break;
    }
    default: break;
    }
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        if (mouse->button() == Qt::LeftButton && widget && widget->window() == this) {
            if (type == QEvent::MouseButtonRelease && m_dropNextLeftRelease) {
                m_dropNextLeftRelease = false;
                return true;
            }
            if (type != QEvent::MouseButtonRelease && mouse->timestamp() != 0
                && madeDuringLastCommand(mouse->timestamp())) {
                m_dropNextLeftRelease = true;
                return true;
            }
        }
    }
    // Escape never closes or changes anything in the window; dialogs over it keep their own Escape.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        if (key->key() == Qt::Key_Escape && widget && widget->window() == this) {
            event->accept();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::setWindowTitle(const QString &title)
{
    QMainWindow::setWindowTitle(title);
}

void MainWindow::repaintPreview()
{
    m_view->update();
}

QRect MainWindow::availableArea() const
{
    const QWidget *box = m_panel->widget(ctl::MainItemBox);
    const QRect client = m_view->rect();
    if (!box)
        return client;
    const QRect g = box->geometry();
    const int top = g.y() + g.height() + 24;
    return QRect(QPoint(g.x(), top), QPoint(client.width() - 1, client.height() - 20 - 1));
}

bool MainWindow::openUrl(const QUrl &url)
{
    if (urlOpener)
        return urlOpener(url);
    return QDesktopServices::openUrl(url);
}

void MainWindow::endProcess(int exitCode)
{
    if (m_ended)
        return;
    m_ended = true;
    if (onEnd)
        onEnd(exitCode);
    else
        QCoreApplication::exit(exitCode);
}

bool MainWindow::madeDuringLastCommand(quint64 timestamp) const
{
    // An event far older than the command's end cannot have waited for it: the window system's clock jumped.
    constexpr quint64 kLongestWait = 10 * 60 * 1000;
    return m_discardClicksBefore && timestamp < *m_discardClicksBefore
           && *m_discardClicksBefore - timestamp < kLongestWait;
}

void MainWindow::discardQueuedClicks()
{
    // Only once the window system's clock is known from an event: before
    // that no click can have waited for a command.
    if (m_eventClockOffset)
        m_discardClicksBefore = quint64(std::max<qint64>(0, m_clock.elapsed() + *m_eventClockOffset));
}

void MainWindow::beginWait()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void MainWindow::endWait()
{
    QApplication::restoreOverrideCursor();
}

void MainWindow::setPosition(const QPoint &clientPoint)
{
    QCursor::setPos(m_view->mapToGlobal(clientPoint));
}

void MainWindow::showDragCursor(RightDragKind kind)
{
    switch (kind) {
    case RightDragKind::Copy: m_view->setCursor(Qt::DragCopyCursor); break;
    case RightDragKind::Move: m_view->setCursor(Qt::DragMoveCursor); break;
    case RightDragKind::Restyle: m_view->setCursor(Qt::PointingHandCursor); break;
    case RightDragKind::None: m_view->unsetCursor(); break;
    }
}

void MainWindow::paintPreview(QPainter &painter)
{
    m_editor->PaintPreview(painter);
    // An opened legacy layout is offered its conversion once the user has seen it.
    if (m_editor->files().migrationPending && !m_migrationQueued) {
        m_migrationQueued = true;
        QMetaObject::invokeMethod(this, [this] {
            m_migrationQueued = false;
            m_editor->OfferPendingMigration();
        }, Qt::QueuedConnection);
    }
    // The palette box is see-through: its cells are painted on the window under its frame.
    PaintPalette(painter, *m_editor);
}

} // namespace zorvan
