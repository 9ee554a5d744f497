#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

struct Finished {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the built editor where no display can be reached: help and version
// must be answered without one.
Finished RunEditor(const QStringList &args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(ZORVAN_BINARY_DIR "/src/shell/zorvan-editor"), args);
    Finished f;
    if (!process.waitForFinished(60000))
        return f;
    f.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    f.out = process.readAllStandardOutput();
    f.err = process.readAllStandardError();
    return f;
}

TEST(EditorCommandLine, HelpAndVersionNeedNoDisplay)
{
    for (const char *flag : {"--help", "-h"}) {
        const Finished f = RunEditor({QString::fromLatin1(flag)});
        EXPECT_EQ(f.exitCode, 0) << flag << ": " << f.err.toStdString();
        EXPECT_TRUE(f.out.startsWith("usage: zorvan-editor")) << f.out.toStdString();
        EXPECT_TRUE(f.out.contains("ZORVAN_OPEN_FOLDER"));
    }
    const Finished v = RunEditor({QStringLiteral("--version")});
    EXPECT_EQ(v.exitCode, 0) << v.err.toStdString();
    EXPECT_EQ(v.out, "3.0.30.21\n");
}

} // namespace
