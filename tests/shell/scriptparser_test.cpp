#include "scriptparser.h"

#include <gtest/gtest.h>

namespace zorvan {
namespace {

TEST(ScriptParser, ReadsCommandsFlagsAndTexts)
{
    QString error;
    const auto lines = ParseScript(QStringLiteral("# a comment\n"
                                                  "\n"
                                                  "size 1200 700   # trailing comment\r\n"
                                                  "button 1001 shift alt\n"
                                                  "expect-status EDIT MODE:  IDLE\n"
                                                  "expect-message       INSTRUCTION\\n# not a comment\n"
                                                  "type 1028 1.99^2.49\\b\\n\n"
                                                  "click-text 0 1 2 shift\n"
                                                  "dump /tmp/a b.json\n"),
                                   &error);
    ASSERT_TRUE(lines) << qPrintable(error);
    ASSERT_EQ(lines->size(), 7);
    EXPECT_EQ((*lines)[0].command, QStringLiteral("size"));
    EXPECT_EQ((*lines)[0].number, 3);
    EXPECT_EQ((*lines)[0].args, (QStringList{QStringLiteral("1200"), QStringLiteral("700")}));
    EXPECT_TRUE((*lines)[1].shift);
    EXPECT_TRUE((*lines)[1].alt);
    EXPECT_EQ((*lines)[2].args[0], QStringLiteral("EDIT MODE:  IDLE"));
    EXPECT_EQ((*lines)[3].args[0], QStringLiteral("      INSTRUCTION\n# not a comment"));
    EXPECT_EQ((*lines)[4].args[1], QStringLiteral("1.99^2.49\b\n"));
    EXPECT_TRUE((*lines)[5].shift);
    EXPECT_FALSE((*lines)[5].alt);
    EXPECT_EQ((*lines)[6].args[0], QStringLiteral("/tmp/a b.json"));
}

TEST(ScriptParser, RefusesWhatItCannotRun)
{
    const std::pair<const char *, const char *> bad[] = {
        {"jump 1 2", "line 1: unknown command 'jump'"},
        {"size 100", "line 1: size needs more arguments"},
        {"size 100 x", "line 1: 'x' is not a number"},
        {"answer maybe", "line 1: 'maybe' is not one of ok|cancel|yes|no"},
        {"button 1016 twice", "line 1: unexpected 'twice'"},
        {"click-text 0 0 1 alt", "line 1: unexpected 'alt'"},
        {"check 1179 1180", "line 1: unexpected '1180'"},
        {"\nset-text 1000 a\\qb", "line 2: bad escape in 'a\\qb'"},
        {"dump", "line 1: dump needs a path"},
    };
    for (const auto &[text, message] : bad) {
        SCOPED_TRACE(text);
        QString error;
        EXPECT_FALSE(ParseScript(QString::fromUtf8(text), &error));
        EXPECT_EQ(error, QString::fromUtf8(message));
    }
}

TEST(ScriptParser, Escapes)
{
    EXPECT_EQ(UnescapeText(QStringLiteral("a\\tb\\\\c\\r\\n")), QStringLiteral("a\tb\\c\r\n"));
    EXPECT_FALSE(UnescapeText(QStringLiteral("trailing\\")));
    EXPECT_FALSE(UnescapeText(QStringLiteral("\\x41")));
}

} // namespace
} // namespace zorvan

namespace zorvan {
namespace {

TEST(ScriptParser, OpenTakesAPathAndAnswerFontsAVisit)
{
    QString error;
    const auto lines = ParseScript(QStringLiteral("open /data/My Menus/Lunch_TV.jpg\n"
                                                  "answer-fonts done A.ttf  B.TTF\n"
                                                  "answer-fonts close\n"),
                                   &error);
    ASSERT_TRUE(lines) << qPrintable(error);
    ASSERT_EQ(lines->size(), 3);
    EXPECT_EQ((*lines)[0].args, QStringList{QStringLiteral("/data/My Menus/Lunch_TV.jpg")});
    EXPECT_EQ((*lines)[1].args, (QStringList{QStringLiteral("done"), QStringLiteral("A.ttf  B.TTF")}));
    EXPECT_EQ((*lines)[2].args, (QStringList{QStringLiteral("close"), QString()}));
    EXPECT_FALSE(ParseScript(QStringLiteral("open\n"), &error));
    EXPECT_FALSE(ParseScript(QStringLiteral("answer-fonts maybe\n"), &error));
}

} // namespace
} // namespace zorvan
