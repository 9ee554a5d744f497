#include "clicommands.h"
#include "progressbar.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace zorvan;
using cli::ProgressBar;

namespace {

constexpr char kErase[] = "\r\033[K";

// Bars are off unless Run() finds a terminal; these tests turn them on and
// always turn them off again.
class ProgressBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
    }
    void TearDown() override { ProgressBar::SetEnabled(false); }
    QBuffer out;
    QBuffer err;
};

TEST_F(ProgressBarTest, DrawsNothingUnlessOn)
{
    ProgressBar::SetEnabled(false);
    {
        ProgressBar bar(out, QStringLiteral("render"));
        bar.show(50, QStringLiteral("drawing the board"));
    }
    EXPECT_TRUE(out.data().isEmpty());
}

TEST_F(ProgressBarTest, RedrawsOneLineAndErasesIt)
{
    ProgressBar::SetEnabled(true);
    ProgressBar bar(out, QStringLiteral("render"));
    bar.show(50, QStringLiteral("drawing"));
    EXPECT_EQ(out.data(), QByteArray(kErase) + "render [############............]  50% drawing");
    out.buffer().clear();
    out.seek(0);
    bar.show(140, QStringLiteral("writing"));
    EXPECT_EQ(out.data(), QByteArray(kErase) + "render [########################] 100% writing");
    out.buffer().clear();
    out.seek(0);
    bar.finish();
    EXPECT_EQ(out.data(), QByteArray(kErase));
    bar.show(10, QStringLiteral("late"));
    EXPECT_EQ(out.data(), QByteArray(kErase)) << "a finished bar stays away";
}

TEST_F(ProgressBarTest, AnErrorLineStartsOnAClearedLine)
{
    ProgressBar::SetEnabled(true);
    ProgressBar bar(out, QStringLiteral("unpack"));
    bar.show(0, QStringLiteral("reading"));
    EXPECT_EQ(cli::Fail(err, QStringLiteral("a.ZORVAN"), QStringLiteral("broken")), cli::kExitError);
    EXPECT_TRUE(out.data().endsWith(kErase));
    EXPECT_EQ(err.data(), "zorvan: a.ZORVAN: broken\n");
}

TEST_F(ProgressBarTest, APipeIsNoTerminal)
{
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    EXPECT_FALSE(ProgressBar::IsTerminal(fds[0]));
    EXPECT_FALSE(ProgressBar::IsTerminal(fds[1]));
    close(fds[0]);
    close(fds[1]);
}

TEST_F(ProgressBarTest, CommandsLeaveNoBarInTheirOutputWhenOff)
{
    ProgressBar::SetEnabled(false);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const int status = cli::RunCommand(
        {QStringLiteral("unpack"), dir.filePath(QStringLiteral("none.ZORVAN")), dir.filePath(QStringLiteral("out"))}, out,
        err);
    EXPECT_EQ(status, cli::kExitError);
    EXPECT_TRUE(out.data().isEmpty());
}

} // namespace
