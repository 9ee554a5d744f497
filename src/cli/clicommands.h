#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

namespace zorvan::cli {

// Exit statuses of every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 2;

// One subcommand: args are the words after its name. It writes its result to
// out only when it succeeds, and on failure one line to err (see Fail).
using CommandFunction = int (*)(const QStringList &args, QIODevice &out, QIODevice &err);

// Runs the zorvan command line; returns the exit status.
int Run(int argc, char **argv);

// Runs one command line given without the program name, e.g. {"dump", "a.XZORVAN"}.
int RunCommand(const QStringList &args, QIODevice &out, QIODevice &err);

// Writes "zorvan: <subject>: <reason>" to err and returns kExitError. The
// subject is the file concerned, or the command when no file is.
int Fail(QIODevice &err, const QString &subject, const QString &reason);

} // namespace zorvan::cli
