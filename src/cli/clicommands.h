#pragma once

#include <QStringList>

#include <cstdio>

namespace zorvan::cli {

// Exit statuses of every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 2;

// Runs the zorvan command line; returns the exit status.
int Run(int argc, char **argv);

} // namespace zorvan::cli
