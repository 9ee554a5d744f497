#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace zorvan {

// One command of a scripted session: its name and its arguments, with C
// escapes of TEXT arguments already turned into characters.
struct ScriptLine {
    int number = 0;
    QString command;
    QStringList args;
    bool shift = false;
    bool alt = false;
    bool ctrl = false; // counts as Alt wherever Alt is taken
};

// Reads a whole script; nullopt with the line and reason in error when a
// line names an unknown command or its arguments do not fit.
std::optional<QList<ScriptLine>> ParseScript(const QString &text, QString *error);

// \n \r \t \\ \b; an unknown escape or a trailing backslash is an error.
std::optional<QString> UnescapeText(const QString &text);

// Every command name the script language knows.
QStringList ScriptCommandNames();

} // namespace zorvan
