#include "clicommands.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace zorvan;

namespace {

struct Outcome {
    int status = -1;
    QString out;
    QByteArray err;
};

Outcome RunCli(const QStringList &args)
{
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    Outcome o;
    o.status = cli::RunCommand(args, out, err);
    o.out = QString::fromUtf8(out.data());
    o.err = err.data();
    return o;
}

const char *const kCommands[] = {"dump", "layout-text", "unpack", "migrate", "render", "fonts"};

TEST(CliHelp, TheOverviewListsEveryCommand)
{
    for (const char *flag : {"--help", "-h"}) {
        const Outcome o = RunCli({QString::fromLatin1(flag)});
        EXPECT_EQ(o.status, cli::kExitOk);
        EXPECT_TRUE(o.err.isEmpty());
        EXPECT_TRUE(o.out.startsWith(QLatin1String("usage: zorvan COMMAND"))) << qPrintable(o.out);
        for (const char *command : kCommands)
            EXPECT_TRUE(o.out.contains(QStringLiteral("\n  %1 ").arg(QLatin1String(command)))) << command;
    }
}

// Help wins over everything else on the line, even arguments the command
// would refuse, and never touches a file.
TEST(CliHelp, EveryCommandHasItsOwnHelp)
{
    for (const char *command : kCommands) {
        for (const QStringList &rest : {QStringList{QStringLiteral("--help")}, QStringList{QStringLiteral("-h")},
                                        QStringList{QStringLiteral("/no/such/file"), QStringLiteral("--help")}}) {
            const Outcome o = RunCli(QStringList{QString::fromLatin1(command)} + rest);
            EXPECT_EQ(o.status, cli::kExitOk) << command;
            EXPECT_TRUE(o.err.isEmpty()) << command << ": " << o.err.toStdString();
            EXPECT_TRUE(o.out.startsWith(QStringLiteral("usage: zorvan %1").arg(QLatin1String(command))))
                << qPrintable(o.out);
            EXPECT_TRUE(o.out.contains(QLatin1String("-h, --help"))) << command;
            EXPECT_TRUE(o.out.endsWith(QLatin1Char('\n'))) << command;
        }
    }
}

} // namespace
