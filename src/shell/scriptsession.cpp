#include "scriptsession.h"

#include "boardview.h"
#include "mainwindow.h"
#include "scriptdialogs.h"
#include "statedump.h"

#include "editing/colourcommands.h"
#include "editing/controlids.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScreen>

#include <cmath>
#include <cstdio>

namespace zorvan {

namespace {

int ToInt(const QString &text)
{
    return text.toInt();
}

Qt::KeyboardModifiers Modifiers(const ScriptLine &line)
{
    Qt::KeyboardModifiers modifiers;
    if (line.shift)
        modifiers |= Qt::ShiftModifier;
    if (line.alt)
        modifiers |= Qt::AltModifier;
    if (line.ctrl)
        modifiers |= Qt::ControlModifier;
    return modifiers;
}

MessageAnswer AnswerNamed(const QString &word)
{
    if (word == QLatin1String("cancel"))
        return MessageAnswer::Cancel;
    if (word == QLatin1String("yes"))
        return MessageAnswer::Yes;
    if (word == QLatin1String("no"))
        return MessageAnswer::No;
    return MessageAnswer::Ok;
}

// Whole pixels, as a mouse would report them.
QPoint Centre(const QRectF &r)
{
    return QPoint(int(std::floor(r.x() + r.width() / 2)), int(std::floor(r.y() + r.height() / 2)));
}

void Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}

} // namespace

ScriptSession::ScriptSession(MainWindow &window, ScriptDialogs &dialogs) : m_window(window), m_dialogs(dialogs)
{
    m_window.onEnd = [this](int exitCode) { m_endStatus = exitCode; };
    m_window.urlOpener = [this](const QUrl &url) {
        m_openedUrls.append(url.toString());
        return true;
    };
    add(QStringLiteral("size"), [this](const ScriptLine &line) {
        const QSize size(ToInt(line.args[0]), ToInt(line.args[1]));
        // Far beyond any screen, a window's backing store alone would take gigabytes.
        if (size.width() < 1 || size.height() < 1 || size.width() > 8192 || size.height() > 8192)
            return fail(QStringLiteral("size %1 x %2 is not a window size").arg(size.width()).arg(size.height()));
        m_window.setClientSize(size);
        return true;
    });
    add(QStringLiteral("answer"), [this](const ScriptLine &line) {
        m_dialogs.queueAnswer(AnswerNamed(line.args[0]));
        return true;
    });
    add(QStringLiteral("answer-file"), [this](const ScriptLine &line) {
        m_dialogs.queueFile(line.args[0] == QLatin1String("cancel") ? QString() : line.args[0]);
        return true;
    });
    add(QStringLiteral("answer-rotation"), [this](const ScriptLine &line) {
        const QString &word = line.args[0];
        m_dialogs.queueRotation(word == QLatin1String("cw")    ? RotationAnswer::Clockwise
                                : word == QLatin1String("ccw") ? RotationAnswer::CounterClockwise
                                                               : RotationAnswer::None);
        return true;
    });
    m_window.editor().SetFontInstallView(&m_fontView);
    add(QStringLiteral("answer-fonts"), [this](const ScriptLine &line) {
        ScriptedFontInstallView::Visit visit;
        visit.done = line.args[0] == QLatin1String("done");
        visit.install = line.args[1].split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        m_fontView.queue(visit);
        ++m_fontVisitsQueued;
        return true;
    });
    add(QStringLiteral("open"), [this](const ScriptLine &line) {
        m_dialogs.queueFile(line.args[0]);
        ScriptLine press = line;
        press.args = QStringList{QString::number(ctl::OpenLayout)};
        return pressButton(press);
    });
    add(QStringLiteral("button"), [this](const ScriptLine &line) { return pressButton(line); });
    add(QStringLiteral("check"), [this](const ScriptLine &line) {
        const int id = ToInt(line.args[0]);
        if (!qobject_cast<QCheckBox *>(m_window.panel().widget(id)))
            return fail(QStringLiteral("control %1 is not a check box").arg(id));
        return pressButton(line);
    });
    add(QStringLiteral("select"), [this](const ScriptLine &line) {
        QString why;
        if (!m_window.panel().choose(ToInt(line.args[0]), ToInt(line.args[1]), &why))
            return fail(why);
        return true;
    });
    add(QStringLiteral("click"), [this](const ScriptLine &line) {
        return clickAt(QPoint(ToInt(line.args[0]), ToInt(line.args[1])), Modifiers(line));
    });
    add(QStringLiteral("click-text"), [this](const ScriptLine &line) {
        const int c = ToInt(line.args[0]), r = ToInt(line.args[1]), k = ToInt(line.args[2]);
        if (!inGrid(c, r) || k < 0 || k > 2)
            return fail(QStringLiteral("there is no text block %1 of strip (%2,%3)").arg(k).arg(c).arg(r));
        return clickCentre(m_window.editor().render().textScreenRects.at(c, r)[k], line,
                           QStringLiteral("text block %1 of strip (%2,%3)").arg(k).arg(c).arg(r));
    });
    add(QStringLiteral("click-strip"), [this](const ScriptLine &line) {
        const int c = ToInt(line.args[0]), r = ToInt(line.args[1]);
        if (!inGrid(c, r))
            return fail(QStringLiteral("strip (%1,%2) is outside the grid").arg(c).arg(r));
        return clickCentre(m_window.editor().render().stripScreenRects.at(c, r), line,
                           QStringLiteral("strip (%1,%2)").arg(c).arg(r));
    });
    add(QStringLiteral("click-palette"), [this](const ScriptLine &line) {
        const int index = ToInt(line.args[0]);
        if (index < 0 || index >= kPaletteSize)
            return fail(QStringLiteral("there is no palette cell %1").arg(index));
        return clickCentre(EditorPaletteCells(m_window.editor())[size_t(index)], line,
                           QStringLiteral("palette cell %1").arg(index));
    });
    add(QStringLiteral("rdrag-cell"), [this](const ScriptLine &line) {
        QPoint ends[2];
        for (int i = 0; i < 2; ++i) {
            const int c = ToInt(line.args[2 * i]), r = ToInt(line.args[2 * i + 1]);
            const QRectF cell = inGrid(c, r) ? m_window.editor().render().cellGrid.at(c, r) : QRectF();
            if (cell.isEmpty())
                return fail(QStringLiteral("cell (%1,%2) is not on the board").arg(c).arg(r));
            ends[i] = Centre(cell);
        }
        return rightDrag(ends[0], ends[1], Modifiers(line));
    });
    add(QStringLiteral("rdrag"), [this](const ScriptLine &line) {
        return rightDrag(QPoint(ToInt(line.args[0]), ToInt(line.args[1])),
                         QPoint(ToInt(line.args[2]), ToInt(line.args[3])), Modifiers(line));
    });
    add(QStringLiteral("focus"), [this](const ScriptLine &line) {
        QWidget *w = m_window.panel().widget(ToInt(line.args[0]));
        if (!w || !qobject_cast<QPlainTextEdit *>(w))
            return fail(QStringLiteral("control %1 is not a text box").arg(line.args[0]));
        m_window.activateWindow();
        w->setFocus(Qt::OtherFocusReason);
        return true;
    });
    add(QStringLiteral("type"), [this](const ScriptLine &line) { return typeInto(ToInt(line.args[0]), line.args[1]); });
    add(QStringLiteral("set-text"), [this](const ScriptLine &line) {
        const int id = ToInt(line.args[0]);
        if (!qobject_cast<QPlainTextEdit *>(m_window.panel().widget(id)))
            return fail(QStringLiteral("control %1 is not a text box").arg(id));
        auto *box = qobject_cast<QPlainTextEdit *>(m_window.panel().widget(id));
        if (!box->isEnabled())
            return fail(QStringLiteral("control %1 is disabled").arg(id));
        // One change, as a paste over the whole text would make it.
        QString text = line.args[1];
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QTextCursor cursor = box->textCursor();
        cursor.select(QTextCursor::Document);
        cursor.insertText(text);
        return true;
    });
    add(QStringLiteral("expect-status"), [this](const ScriptLine &line) {
        const QString status = m_window.editor().status();
        if (status != line.args[0])
            return failExpectation(QStringLiteral("status is \"%1\", expected \"%2\"").arg(status, line.args[0]));
        return true;
    });
    add(QStringLiteral("expect-message"), [this](const ScriptLine &line) {
        const QStringList &messages = m_dialogs.messages();
        if (messages.isEmpty())
            return failExpectation(QStringLiteral("no message was shown"));
        if (messages.last() != line.args[0])
            return failExpectation(QStringLiteral("last message is \"%1\"").arg(messages.last()));
        return true;
    });
    add(QStringLiteral("say"), [](const ScriptLine &line) {
        // At once, so that a program watching the session learns where it is.
        std::fprintf(stdout, "%s\n", qPrintable(line.args[0]));
        std::fflush(stdout);
        return true;
    });
    add(QStringLiteral("dump"), [this](const ScriptLine &line) { return writeDump(line.args[0]); });
    add(QStringLiteral("preview"), [this](const ScriptLine &line) { return writePreview(line.args[0]); });
    add(QStringLiteral("screenshot"), [this](const ScriptLine &line) {
        // On a real display the screen's own pixels show what the user sees; offscreen the widgets draw themselves.
        QPixmap pixmap;
        if (QGuiApplication::platformName() != QLatin1String("offscreen") && m_window.screen())
            pixmap = m_window.screen()->grabWindow(m_window.winId());
        if (pixmap.isNull())
            pixmap = m_window.grab();
        if (!pixmap.save(line.args[0], "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(line.args[0]));
        return true;
    });
    add(QStringLiteral("close"), [this](const ScriptLine &) {
        m_window.close();
        return true;
    });
}

bool ScriptSession::fail(const QString &why)
{
    m_error = why;
    m_failStatus = kScriptFailed;
    return false;
}

bool ScriptSession::failExpectation(const QString &why)
{
    m_error = why;
    m_failStatus = kScriptFailed;
    return false;
}

bool ScriptSession::pressButton(const ScriptLine &line)
{
    const int id = ToInt(line.args[0]);
    m_window.setPressModifiers(Modifiers(line));
    bool pressed = false;
    QString why;
    if (QAction *action = m_window.menuAction(id)) {
        if (action->isEnabled()) {
            action->trigger();
            pressed = true;
        } else {
            why = QStringLiteral("menu command %1 is disabled").arg(id);
        }
    } else {
        pressed = m_window.panel().press(id, &why);
    }
    m_window.setPressModifiers(std::nullopt);
    if (!pressed)
        return fail(why);
    if (!m_window.lastPressHandled())
        return fail(QStringLiteral("control %1 has no command in this editor yet").arg(id));
    return true;
}

bool ScriptSession::inGrid(int column, int row) const
{
    return m_window.editor().document().inGrid(column, row);
}

bool ScriptSession::clickCentre(const QRectF &rect, const ScriptLine &line, const QString &what)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return fail(QStringLiteral("%1 was not drawn").arg(what));
    return clickAt(Centre(rect), Modifiers(line));
}

bool ScriptSession::clickAt(const QPoint &point, Qt::KeyboardModifiers modifiers)
{
    BoardView &view = m_window.boardView();
    QWidget *child = view.childAt(point);
    if (auto *button = qobject_cast<QAbstractButton *>(child)) {
        if (!button->isEnabled())
            return true; // a click on a disabled button does nothing
        m_window.setPressModifiers(modifiers);
        button->click();
        m_window.setPressModifiers(std::nullopt);
        return true;
    }
    QWidget *target = child ? child : &view;
    const QPointF local = target->mapFrom(&view, point);
    const QPointF global = view.mapToGlobal(QPointF(point));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, modifiers);
    QApplication::sendEvent(target, &release);
    return true;
}

bool ScriptSession::rightDrag(const QPoint &from, const QPoint &to, Qt::KeyboardModifiers modifiers)
{
    BoardView &view = m_window.boardView();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(from), view.mapToGlobal(QPointF(from)), Qt::RightButton,
                      Qt::RightButton, modifiers);
    QApplication::sendEvent(&view, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(to), view.mapToGlobal(QPointF(to)), Qt::RightButton,
                        Qt::NoButton, modifiers);
    QApplication::sendEvent(&view, &release);
    return true;
}

bool ScriptSession::typeInto(int id, const QString &text)
{
    auto *box = qobject_cast<QPlainTextEdit *>(m_window.panel().widget(id));
    if (!box)
        return fail(QStringLiteral("control %1 is not a text box").arg(id));
    if (!box->isEnabled())
        return fail(QStringLiteral("control %1 is disabled").arg(id));
    // A person clicks into a box before typing; its focus handling runs first.
    if (QApplication::focusWidget() != box) {
        m_window.activateWindow();
        box->setFocus(Qt::MouseFocusReason);
        Settle();
    }
    box->moveCursor(QTextCursor::End);
    for (const QChar c : text) {
        int key = c.unicode();
        QString keyText(c);
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            key = Qt::Key_Return;
            keyText = QStringLiteral("\r");
        } else if (c == QLatin1Char('\b')) {
            key = Qt::Key_Backspace;
        } else if (c == QLatin1Char('\t')) {
            key = Qt::Key_Tab;
        } else {
            key = c.toUpper().unicode();
        }
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, keyText);
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, keyText);
        QApplication::sendEvent(box, &release);
        Settle();
    }
    return true;
}

bool ScriptSession::writeDump(const QString &path)
{
    QJsonObject state = EditorStateJson(m_window, m_dialogs.messages());
    state[QStringLiteral("OpenedUrls")] = QJsonArray::fromStringList(m_openedUrls);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(state).toJson()) < 0 || !file.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    return true;
}

bool ScriptSession::writePreview(const QString &path)
{
    const QRect area = m_window.boardView().rect().intersected(m_window.previewArea());
    const QPixmap pixmap = m_window.boardView().grab(area);
    if (!pixmap.save(path, "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(path));
    return true;
}

int ScriptSession::run(const QList<ScriptLine> &lines)
{
    for (const ScriptLine &line : lines) {
        const bool ok = m_handlers.at(line.command)(line);
        Settle();
        if (m_fontView.shownFaces().size() > m_fontVisitsQueued) {
            std::fprintf(stderr, "line %d: no answer for the font installation dialog\n", line.number);
            return kScriptUnanswered;
        }
        if (!m_fontView.errors().isEmpty()) {
            std::fprintf(stderr, "line %d: font installation: %s\n", line.number,
                         qPrintable(m_fontView.errors().join(QStringLiteral("; "))));
            return kScriptFailed;
        }
        if (!m_dialogs.unanswered().isEmpty()) {
            std::fprintf(stderr, "line %d: no answer for the dialog \"%s\"\n", line.number,
                         qPrintable(m_dialogs.unanswered()));
            return kScriptUnanswered;
        }
        if (!ok) {
            std::fprintf(stderr, "line %d: %s: %s\n", line.number, qPrintable(line.command), qPrintable(m_error));
            return m_failStatus;
        }
        if (m_window.ended())
            return m_endStatus >= 0 ? m_endStatus : kScriptOk;
        if (m_window.closed())
            return kScriptOk;
    }
    return kScriptOk;
}

std::optional<QList<ScriptLine>> ReadScriptFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read the script: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return std::nullopt;
    }
    QString error;
    auto lines = ParseScript(QString::fromUtf8(file.readAll()), &error);
    if (!lines)
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(error));
    return lines;
}

int QueueLeadingAnswers(QList<ScriptLine> &lines, ScriptDialogs &dialogs)
{
    int queued = 0;
    while (!lines.isEmpty() && lines.first().command == QLatin1String("answer")) {
        dialogs.queueAnswer(AnswerNamed(lines.first().args[0]));
        lines.removeFirst();
        ++queued;
    }
    return queued;
}

} // namespace zorvan
