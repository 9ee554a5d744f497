#include "assets/fontlistfile.h"

#include "tempdir.h"

#include <QFile>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

TEST(FontListFile, ParsesEntriesInOrder)
{
    EXPECT_EQ(ParseFontList("Arial,arial.ttf;Cubano,Cubano.ttf;"),
              (QList<FontListEntry>{{"Arial", "arial.ttf"}, {"Cubano", "Cubano.ttf"}}));
    // An entry without a face still names its file, and the ones after it count.
    EXPECT_EQ(ParseFontList(",lost.ttf;Noface;Brand,Brand.ttf;"),
              (QList<FontListEntry>{{"", "lost.ttf"}, {"Noface", ""}, {"Brand", "Brand.ttf"}}));
    EXPECT_TRUE(ParseFontList("").isEmpty());
}

TEST(FontListFile, IsTheListInUtf16LittleEndianWithoutMark)
{
    test::TempDir dir;
    const QString path = dir.file("FontFileNames.txt");
    const QString list = QStringLiteral("Arial,arial.ttf;Café Sans,café.ttf;");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(500, 'x')); // a longer file is truncated
    old.close();

    ASSERT_TRUE(WriteFontListFile(path, list));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), list.size() * 2);
    EXPECT_EQ(bytes.left(6), QByteArray("A\0r\0i\0", 6));
    EXPECT_EQ(bytes.mid(2 * list.indexOf(QChar(0xE9)), 2), QByteArray("\xE9\0", 2));
    QString back;
    ASSERT_TRUE(ReadFontListFile(path, &back));
    EXPECT_EQ(back, list);

    QString error;
    EXPECT_FALSE(WriteFontListFile(dir.file("missing/FontFileNames.txt"), list, &error));
    EXPECT_TRUE(error.contains("missing/FontFileNames.txt"));
}

} // namespace
} // namespace zorvan
