#include "document/layoutpaths.h"

#include <gtest/gtest.h>

namespace zorvan {
namespace {

TEST(LayoutPaths, SplitsPathsAtEitherSeparator)
{
    struct Case {
        const char *path;
        const char *fileName;
        const char *folder;
    };
    const Case cases[] = {
        {"C:\\Menus\\Lunch_SupportFiles\\fries.jpg", "fries.jpg", "C:\\Menus\\Lunch_SupportFiles"},
        {"/home/cook/menus/fries.jpg", "fries.jpg", "/home/cook/menus"},
        {"C:\\Menus/mixed\\fries.jpg", "fries.jpg", "C:\\Menus/mixed"},
        {"fries.jpg", "fries.jpg", ""},
        {"/fries.jpg", "fries.jpg", ""},
        {"folder/", "", "folder"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FileNameOf(QString::fromUtf8(c.path)), QString::fromUtf8(c.fileName));
        EXPECT_EQ(FolderOf(QString::fromUtf8(c.path)), QString::fromUtf8(c.folder));
    }
}

TEST(LayoutPaths, JoinsWithoutDoublingOrInventingTheRoot)
{
    EXPECT_EQ(JoinPath("/menus", "a.jpg"), "/menus/a.jpg");
    EXPECT_EQ(JoinPath("/menus/", "a.jpg"), "/menus/a.jpg");
    EXPECT_EQ(JoinPath("/", "a.jpg"), "/a.jpg");
    EXPECT_EQ(JoinPath("", "a.jpg"), "a.jpg");
}

TEST(LayoutPaths, TellsContainersByTheExactExtension)
{
    EXPECT_TRUE(IsContainerPath("/m/Lunch_LAYOUT.ZORVAN"));
    EXPECT_TRUE(IsContainerPath("/m/Lunch.ZORVAN"));
    EXPECT_FALSE(IsContainerPath("/m/Lunch_LAYOUT.zorvan"));
    EXPECT_FALSE(IsContainerPath("/m/ZorvanLayout_Lunch.XZORVAN"));
    EXPECT_FALSE(IsContainerPath("/m/old.ZORVAN/Lunch"));
    EXPECT_FALSE(IsContainerPath("/m/Lunch"));
}

TEST(LayoutPaths, NamesAroundALegacyLayout)
{
    EXPECT_EQ(LegacyTitle("ZorvanLayout_Lunch.XZORVAN"), "Lunch");
    EXPECT_EQ(LegacyTitle("ZorvanLayout_Lunch.Menu.XZORVAN"), "Lunch.Menu");
    EXPECT_EQ(ContainerNameForLegacy("ZorvanLayout_Lunch.XZORVAN"), "Lunch_LAYOUT.ZORVAN");
    // Never the legacy file's own name, whatever its extension.
    EXPECT_EQ(ContainerNameForLegacy("ZorvanLayout_Lunch.xzorvan"), "Lunch_LAYOUT.ZORVAN");
    EXPECT_EQ(ContainerNameForLegacy("Lunch"), "Lunch_LAYOUT.ZORVAN");
}

TEST(LayoutPaths, EarlierContainerNameChangesOnlyTheFileName)
{
    EXPECT_EQ(EarlierContainerPath("/m/Lunch_LAYOUT.ZORVAN"), "/m/Lunch.ZORVAN");
    EXPECT_EQ(EarlierContainerPath("/m/Lunch_LAYOUT_WHITE_PRINT_BGND.ZORVAN"), "/m/Lunch_WHITE_PRINT_BGND.ZORVAN");
    EXPECT_EQ(EarlierContainerPath("/m/OLD_LAYOUTS/Lunch_LAYOUT.ZORVAN"), "/m/OLD_LAYOUTS/Lunch.ZORVAN");
    EXPECT_EQ(EarlierContainerPath("/m/Lunch.ZORVAN"), "");
    EXPECT_EQ(EarlierContainerPath("/m/MY_LAYOUTS/Lunch.ZORVAN"), "");
}

LayoutPathRules Legacy()
{
    LayoutPathRules rules;
    rules.fromContainer = false;
    rules.workFolder = "/data/Trelmont/QRT1733650000";
    rules.legacyFolder = "/home/cook/menus";
    rules.title = "Lunch";
    return rules;
}

LayoutPathRules Container()
{
    LayoutPathRules rules = Legacy();
    rules.fromContainer = true;
    return rules;
}

TEST(LayoutPaths, ContainerPathsPointIntoTheWorkFolder)
{
    const LayoutPathRules rules = Container();
    EXPECT_EQ(ResolveBackgroundPath("anything.jpg", rules), "/data/Trelmont/QRT1733650000/Background.jpg");
    EXPECT_EQ(ResolveBackgroundPath("", rules), "/data/Trelmont/QRT1733650000/Background.jpg");
    EXPECT_EQ(ResolvePicturePath("C:\\ProgramData\\Trelmont\\QRT17\\fries.jpg", rules),
              "/data/Trelmont/QRT1733650000/fries.jpg");
    EXPECT_EQ(ResolvePicturePath("/home/other/Trelmont/QRT17/fries.jpg", rules), "/data/Trelmont/QRT1733650000/fries.jpg");
    EXPECT_EQ(ResolvePicturePath("fries.jpg", rules), "/data/Trelmont/QRT1733650000/fries.jpg");
    EXPECT_EQ(ResolvePicturePath("C:\\pics\\..", rules), "");
}

TEST(LayoutPaths, LegacyBackgroundPaths)
{
    struct Case {
        const char *stored;
        const char *resolved;
    };
    const Case cases[] = {
        {"Lunch-ZORVANBGD.jpg", "/home/cook/menus/Lunch_SupportFiles/Lunch-ZORVANBGD.jpg"},
        {"Happy-Hour-ZORVANBGD.jpg", "/home/cook/menus/Happy-Hour_SupportFiles/Happy-Hour-ZORVANBGD.jpg"},
        {"C:\\Users\\Cook\\Menus\\Lunch_SupportFiles\\Lunch-ZORVANBGD.jpg",
         "/home/cook/menus/Lunch_SupportFiles/Lunch-ZORVANBGD.jpg"},
        {"/home/someone/Lunch_SupportFiles/Lunch-ZORVANBGD.jpg",
         "/home/cook/menus/Lunch_SupportFiles/Lunch-ZORVANBGD.jpg"},
        // Stored paths must not lead anywhere above the legacy folder.
        {"C:\\..\\bg.jpg", "/home/cook/menus/bg.jpg"},
        {"..\\Lunch_SupportFiles\\..\\bg.jpg", "/home/cook/menus/bg.jpg"},
        {"C:\\pics\\..", ""},
        {"Background.jpg", "/home/cook/menus/Lunch_SupportFiles/Background.jpg"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(ResolveBackgroundPath(QString::fromUtf8(c.stored), Legacy()), QString::fromUtf8(c.resolved));
    }
}

TEST(LayoutPaths, LegacyPicturePaths)
{
    struct Case {
        const char *stored;
        const char *resolved;
    };
    const Case cases[] = {
        {"C:\\Users\\Cook\\Menus\\Lunch_SupportFiles\\fries.jpg", "/home/cook/menus/Lunch_SupportFiles/fries.jpg"},
        {"/media/usb/Lunch_SupportFiles/fries.jpg", "/home/cook/menus/Lunch_SupportFiles/fries.jpg"},
        {"D:\\Lunch_SupportFiles\\sides\\fries.jpg", "/home/cook/menus/Lunch_SupportFiles/sides/fries.jpg"},
        {"C:\\Lunch_SupportFiles\\..\\..\\etc\\passwd", "/home/cook/menus/Lunch_SupportFiles/etc/passwd"},
        // A picture outside the support folder is looked for inside it.
        {"C:\\Pictures\\fries.jpg", "/home/cook/menus/Lunch_SupportFiles/fries.jpg"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(ResolvePicturePath(QString::fromUtf8(c.stored), Legacy()), QString::fromUtf8(c.resolved));
    }
}

TEST(LayoutPaths, RulesFollowTheFileState)
{
    LayoutFileState state;
    state.fromContainer = false;
    state.fileFolder = "/home/cook/menus";
    state.legacyFileName = "ZorvanLayout_Lunch.XZORVAN";
    const LayoutPathRules rules = PathRulesFor(state, "/w");
    EXPECT_FALSE(rules.fromContainer);
    EXPECT_EQ(rules.legacyFolder, "/home/cook/menus");
    EXPECT_EQ(rules.title, "Lunch");
    EXPECT_EQ(rules.workFolder, "/w");
}

TEST(LayoutPaths, RefusesPathsOf4096BytesOrMore)
{
    QString error;
    EXPECT_FALSE(PathTooLong("/" + QString(4094, QLatin1Char('a')), &error));
    EXPECT_TRUE(PathTooLong("/" + QString(4095, QLatin1Char('a')), &error));
    EXPECT_TRUE(error.contains("too long"));
    // Bytes count, not characters.
    EXPECT_TRUE(PathTooLong("/" + QString(2048, QChar(0x00E9)), nullptr));
}

} // namespace
} // namespace zorvan
