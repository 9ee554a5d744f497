#include "document/filereplace.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace zorvan {
namespace {

// Writes a small file and dates its last change hoursAgo hours back.
void MakeFile(const QString &path, double hoursAgo)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("half a save");
    // Written out first, or closing the file would date it now again.
    file.flush();
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(static_cast<qint64>(-hoursAgo * 3600)),
                                 QFileDevice::FileModificationTime));
}

struct LeftFile {
    const char *name;
    double hoursAgo;
    bool removed;
};

// What a killed save leaves beside its target, and what must never be taken
// for it.
const LeftFile kLeftFiles[] = {
    {".zorvan-0123456789abcdef.tmp", 2.0, true},    // a save killed long ago
    {".zorvan-fedcba9876543210.tmp", 0.05, false},  // a save that may be running now
    {".zorvan-0123456789ABCDEF.tmp", 2.0, false},   // not a name our saves make
    {".zorvan-notours.tmp", 2.0, false},
    {"Lunch_LAYOUT.ZORVAN", 2.0, false},
    {"Lunch_TV.jpg", 2.0, false},
    {"zorvan-0123456789abcdef.tmp", 2.0, false},
};

TEST(StaleTemps, OnlyOldTemporaryFilesOfOursGoWhenTheNextSaveBegins)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const LeftFile &left : kLeftFiles)
        MakeFile(dir.filePath(QString::fromLatin1(left.name)), left.hoursAgo);
    // A folder with such a name is the user's, whatever its age.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral(".zorvan-00000000000000aa.tmp")));

    QString error;
    const QString temp = CreateTempBeside(dir.filePath(QStringLiteral("Lunch_TV.jpg")), &error);
    ASSERT_FALSE(temp.isEmpty()) << error.toStdString();
    EXPECT_TRUE(QFile::exists(temp));

    for (const LeftFile &left : kLeftFiles)
        EXPECT_EQ(QFile::exists(dir.filePath(QString::fromLatin1(left.name))), !left.removed) << left.name;
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral(".zorvan-00000000000000aa.tmp"))).isDir());
}

TEST(StaleTemps, AFolderThatCannotBeListedRemovesNothingAndFailsNothing)
{
    EXPECT_EQ(RemoveStaleTemps(QStringLiteral("/nonexistent-zorvan-folder"), QDateTime::currentDateTime()), 0);
}

} // namespace
} // namespace zorvan
