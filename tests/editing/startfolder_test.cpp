#include "editing/startfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

TEST(InitialOpenFolder, FollowsTheSettingOnlyWhenItNamesAFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString program = QStringLiteral("/opt/zorvan/bin/");
    const QString samples = dir.filePath(QStringLiteral("samples"));
    ASSERT_TRUE(QDir().mkpath(samples));
    const QString file = dir.filePath(QStringLiteral("Menu_LAYOUT.ZORVAN"));
    QFile touch(file);
    ASSERT_TRUE(touch.open(QIODevice::WriteOnly));
    touch.close();

    struct Case {
        QString setting;
        QString expected;
    };
    const Case cases[] = {
        {QString(), program},
        {samples, samples + QLatin1Char('/')},
        {samples + QLatin1Char('/'), samples + QLatin1Char('/')},
        {dir.filePath(QStringLiteral("gone")), program},
        {file, program},
    };
    for (const Case &c : cases)
        EXPECT_EQ(InitialOpenFolder(program, c.setting), c.expected) << qPrintable(c.setting);
}

TEST(InitialOpenFolder, ARelativeSettingBecomesAbsolute)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("samples")));
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const QString folder = InitialOpenFolder(QStringLiteral("/usr/bin/"), QStringLiteral("samples"));
    const QString expected = QDir::current().absoluteFilePath(QStringLiteral("samples")) + QLatin1Char('/');
    QDir::setCurrent(before);
    EXPECT_EQ(folder, expected);
}

} // namespace
} // namespace zorvan
