#pragma once

#include <QByteArray>
#include <QString>

namespace zorvan::cli {

// The text "zorvan COMMAND --help" prints: a usage line, what the command
// does and its options. Empty for an unknown command.
QByteArray CommandHelp(const QString &command);

// Whether the words after a command ask for its help.
bool AsksForHelp(const QStringList &args);

} // namespace zorvan::cli
