#pragma once

#include "clicommands.h"

#include <QBuffer>
#include <QByteArray>
#include <QStringList>

namespace zorvan::test {

// What one run of the zorvan tool gave: its exit status and both streams.
struct Outcome {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the tool in-process, as "zorvan ARGS" would from a shell.
inline Outcome RunZorvan(const QStringList &args)
{
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    Outcome o;
    o.status = cli::RunCommand(args, out, err);
    o.out = out.data();
    o.err = err.data();
    return o;
}

} // namespace zorvan::test
