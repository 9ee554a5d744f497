#pragma once

#include "scriptparser.h"

#include "assets/fontinstallview.h"

#include <QPoint>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>

namespace zorvan {

class MainWindow;
class ScriptDialogs;

// Exit statuses of a scripted session.
inline constexpr int kScriptOk = 0;
inline constexpr int kScriptFailed = 1;
inline constexpr int kScriptUnreadable = 2;
inline constexpr int kScriptUnanswered = 3;

// Plays a script against the real main window, one command a line. Each
// command is one handler in the table, so later commands slot in beside them.
class ScriptSession {
public:
    ScriptSession(MainWindow &window, ScriptDialogs &dialogs);

    // Runs the lines; returns the exit status and writes the reason of a
    // failure to stderr. A command that ends the editor ends the script with
    // the editor's own exit status.
    int run(const QList<ScriptLine> &lines);

private:
    using Handler = std::function<bool(const ScriptLine &)>;
    void add(const QString &name, Handler handler) { m_handlers[name] = std::move(handler); }
    bool fail(const QString &why);
    bool failExpectation(const QString &why);

    bool pressButton(const ScriptLine &line);
    bool inGrid(int column, int row) const;
    bool clickCentre(const QRectF &rect, const ScriptLine &line, const QString &what);
    bool clickAt(const QPoint &point, Qt::KeyboardModifiers modifiers);
    bool rightDrag(const QPoint &from, const QPoint &to, Qt::KeyboardModifiers modifiers);
    bool typeInto(int id, const QString &text);
    bool writeDump(const QString &path);
    bool writePreview(const QString &path);

    MainWindow &m_window;
    ScriptDialogs &m_dialogs;
    std::map<QString, Handler> m_handlers;
    ScriptedFontInstallView m_fontView;
    int m_fontVisitsQueued = 0;
    QStringList m_openedUrls;
    QString m_error;
    int m_failStatus = kScriptFailed;
    int m_endStatus = -1;
};

// Reads and parses a script file; nullopt (the reason on stderr) when it
// cannot be read or parsed.
std::optional<QList<ScriptLine>> ReadScriptFile(const QString &path);

// Answers at the very start of a script are queued before the editor starts,
// so that they also answer the questions of the start-up. Removes them from lines.
int QueueLeadingAnswers(QList<ScriptLine> &lines, ScriptDialogs &dialogs);

} // namespace zorvan
