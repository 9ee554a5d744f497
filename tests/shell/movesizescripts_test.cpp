// Scripted presses of the move, size and spacing buttons through the real window.
#include "document/layouttext.h"
#include "document/menudata.h"

#include "tempdir.h"
#include "zipfixture.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <memory>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

class MoveSizeScriptsTest : public ::testing::Test {
protected:
    test::TempDir temp;

    QString path(const QString &name) const { return temp.file(name); }

    // A container of a 2 x 4 layout on a 400 x 400 board: (1, 2) holds two lines of soup
    // and a price on a green fill, (0, 0) is an empty blue box.
    QString Container()
    {
        auto doc = std::make_unique<MenuData>();
        doc->NumberOfColumns = 2;
        doc->NumberOfRows = 4;
        doc->strip(0, 0).BackGroundColor = MakeColour(0, 0, 200);
        StripData &soup = doc->strip(1, 2);
        soup.BackGroundColor = MakeColour(0, 90, 0);
        for (TextParams *block : {&soup.MainItemTextParams, &soup.PricesTextParams}) {
            block->Font = QStringLiteral("DejaVu Sans");
            block->Yref = 0.2;
        }
        soup.MainItemTextParams.Text = QStringLiteral("Soup\r\nTomato");
        soup.MainItemTextParams.Xref = 0.2;
        soup.MainItemTextParams.ScaleFactor = 0.2;
        soup.PricesTextParams.Text = QStringLiteral("4.50");
        soup.PricesTextParams.Xref = 0.9;
        soup.PricesTextParams.ScaleFactor = 0.6;
        soup.PricesTextParams.Yref = 0.6;
        QImage image(400, 400, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG");
        const QString file = path(QStringLiteral("Lunch_LAYOUT.ZORVAN"));
        EXPECT_TRUE(test::WriteZip(
            file, {{"Layout.XZORVAN",
                    EncodeLayoutBytes(ScrambleLayoutText(WriteLayoutText(*doc, QStringLiteral("Background.jpg"))))},
                   {"Background.jpg", jpeg}}));
        return file;
    }

    int run(const QString &script, QString *errors)
    {
        QFile out(path(QStringLiteral("session.txt")));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(script.toUtf8());
        out.close();
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZORVAN_APPDATA_DIR"), path(QStringLiteral("appdata")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(ZORVAN_BINARY_DIR "/src/shell/zorvan-editor"),
                      {QStringLiteral("--script"), out.fileName()});
        EXPECT_TRUE(process.waitForFinished(60000));
        *errors = QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QJsonObject state(const QString &name) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name);
        return QJsonDocument::fromJson(file.readAll()).object();
    }

    static QJsonObject Strip(const QJsonObject &state, int column, int row)
    {
        for (const QJsonValue &strip : state[QStringLiteral("Document")][QStringLiteral("Strips")].toArray())
            if (strip[QStringLiteral("Column")].toInt() == column && strip[QStringLiteral("Row")].toInt() == row)
                return strip.toObject();
        return {};
    }
    static double Field(const QJsonObject &state, int column, int row, const char *block, const char *field)
    {
        const QJsonObject strip = Strip(state, column, row);
        const QJsonValue value = block ? strip[QLatin1String(block)][QLatin1String(field)]
                                       : strip[QLatin1String(field)];
        EXPECT_TRUE(value.isDouble()) << block << "." << field;
        return value.toDouble();
    }
    static QJsonObject Control(const QJsonObject &state, int id)
    {
        return state[QStringLiteral("Controls")][QString::number(id)].toObject();
    }
};

TEST_F(MoveSizeScriptsTest, PressesWithShiftAndAltMoveSizeAndSpaceTheSelection)
{
    const QString layout = Container();
    QString errors;
    const QString script = QStringLiteral(
        "answer no\n"
        "open %1\n"
        "click-text 1 2 0\n"
        "expect-status EDIT MODE:  TEXT\n"
        "button 1003\n"
        "button 1003 shift\n"
        "button 1003 alt\n"
        "button 1001 alt\n"
        "dump %2\n"
        "check 1104\n"
        "button 1004 shift\n"
        "dump %3\n"
        "button 1005\n"
        "button 1005 alt\n"
        "button 1025\n"
        "button 1033\n"
        "button 1012 alt\n"
        "dump %4\n"
        "click-strip 0 0\n"
        "expect-status EDIT MODE:  BACKGROUND\n"
        "check 1180\n"
        "button 1011\n"
        "button 1006 shift\n"
        "button 1006\n"
        "dump %5\n")
                               .arg(layout, path(QStringLiteral("moved.json")), path(QStringLiteral("all.json")),
                                    path(QStringLiteral("sized.json")), path(QStringLiteral("box.json")));
    ASSERT_EQ(run(script, &errors), 0) << qPrintable(errors);

    const QJsonObject moved = state(QStringLiteral("moved.json"));
    // 0.01 + 0.001 + 0.1 to the right; Alt moves up a whole cell.
    EXPECT_NEAR(Field(moved, 1, 2, "MainItemTextParams", "Xref"), 0.311, 1e-9);
    EXPECT_NEAR(Field(moved, 1, 2, "MainItemTextParams", "Yref"), -0.8, 1e-9);
    EXPECT_NEAR(Field(moved, 1, 2, "PricesTextParams", "Xref"), 0.9, 1e-9);
    EXPECT_TRUE(moved[QStringLiteral("Modified")].toBool());

    const QJsonObject all = state(QStringLiteral("all.json"));
    EXPECT_TRUE(Control(all, 1104)[QStringLiteral("checked")].toBool());
    EXPECT_FALSE(Control(all, 1109)[QStringLiteral("checked")].toBool());
    EXPECT_NEAR(Field(all, 1, 2, "MainItemTextParams", "Yref"), -0.7, 1e-9);
    EXPECT_NEAR(Field(all, 1, 2, "PricesTextParams", "Yref"), 0.7, 1e-9);

    const QJsonObject sized = state(QStringLiteral("sized.json"));
    EXPECT_NEAR(Field(sized, 1, 2, "MainItemTextParams", "ScaleFactor"), 1.3, 1e-9);
    EXPECT_NEAR(Field(sized, 1, 2, "MainItemTextParams", "LineSpacingFactor"), 1.01, 1e-9);
    EXPECT_EQ(Control(sized, 1050)[QStringLiteral("caption")].toString(), QStringLiteral("1.3"));
    EXPECT_EQ(Control(sized, 1066)[QStringLiteral("caption")].toString(), QStringLiteral("8.2"));
    EXPECT_EQ(Control(sized, 1081)[QStringLiteral("caption")].toString(), QStringLiteral("3.6"));
    EXPECT_NEAR(Field(sized, 1, 2, nullptr, "PriceTabSpacingFactor"), 8.2, 1e-9);
    EXPECT_NEAR(Field(sized, 1, 2, nullptr, "CaloriesSpacingFactor"), 3.6, 1e-9);

    const QJsonObject box = state(QStringLiteral("box.json"));
    EXPECT_TRUE(Control(box, 1180)[QStringLiteral("checked")].toBool());
    EXPECT_FALSE(Control(box, 1179)[QStringLiteral("checked")].toBool());
    EXPECT_NEAR(Field(box, 0, 0, nullptr, "XSizeFactor"), 1.1, 1e-9);
    // "Macro" outweighs Shift: a whole cell shorter, and no shorter than nothing.
    EXPECT_EQ(Field(box, 0, 0, nullptr, "YSizeFactor"), 0.0);
    // The text strip left Text mode with its changes.
    EXPECT_NEAR(Field(box, 1, 2, "MainItemTextParams", "ScaleFactor"), 1.3, 1e-9);
}

TEST_F(MoveSizeScriptsTest, TheOtherArrowsAndPairsWithCtrlForAlt)
{
    const QString layout = Container();
    QString errors;
    const QString script = QStringLiteral(
        "answer no\n"
        "open %1\n"
        "click-text 1 2 0\n"
        "button 1002\n"
        "button 1002 ctrl\n"
        "button 1013\n"
        "check 1104\n"
        "check 1109\n"
        "button 1004\n"
        "button 1035\n"
        "button 1024\n"
        "dump %2\n"
        "click-strip 0 0\n"
        "expect-status EDIT MODE:  BACKGROUND\n"
        "check 1180\n"
        "check 1179\n"
        "button 1010\n"
        "button 1011 ctrl\n"
        "dump %3\n")
                               .arg(layout, path(QStringLiteral("text.json")), path(QStringLiteral("box.json")));
    ASSERT_EQ(run(script, &errors), 0) << qPrintable(errors);

    const QJsonObject text = state(QStringLiteral("text.json"));
    // 0.01 left, then 0.1 with Ctrl.
    EXPECT_NEAR(Field(text, 1, 2, "MainItemTextParams", "Xref"), 0.09, 1e-9);
    EXPECT_NEAR(Field(text, 1, 2, "MainItemTextParams", "LineSpacingFactor"), 0.9, 1e-9);
    // "Selected Text" took "All Text" back: only the main item moved down.
    EXPECT_TRUE(Control(text, 1109)[QStringLiteral("checked")].toBool());
    EXPECT_FALSE(Control(text, 1104)[QStringLiteral("checked")].toBool());
    EXPECT_NEAR(Field(text, 1, 2, "MainItemTextParams", "Yref"), 0.3, 1e-9);
    EXPECT_NEAR(Field(text, 1, 2, "PricesTextParams", "Yref"), 0.6, 1e-9);
    EXPECT_NEAR(Field(text, 1, 2, nullptr, "CaloriesSpacingFactor"), 4.0, 1e-9);
    EXPECT_NEAR(Field(text, 1, 2, nullptr, "PriceTabSpacingFactor"), 7.8, 1e-9);
    EXPECT_EQ(Control(text, 1081)[QStringLiteral("caption")].toString(), QStringLiteral("4.0"));
    EXPECT_EQ(Control(text, 1066)[QStringLiteral("caption")].toString(), QStringLiteral("7.8"));

    const QJsonObject box = state(QStringLiteral("box.json"));
    EXPECT_TRUE(Control(box, 1179)[QStringLiteral("checked")].toBool());
    EXPECT_FALSE(Control(box, 1180)[QStringLiteral("checked")].toBool());
    // 0.01 narrower, then 0.1 wider with Ctrl.
    EXPECT_NEAR(Field(box, 0, 0, nullptr, "XSizeFactor"), 1.09, 1e-9);
}

// What the three boxes hold and which one has the focus, as the state JSON shows it.
TEST_F(MoveSizeScriptsTest, TypingScriptsShowTheBoxesTheirFocusAndThePriceSelection)
{
    const QString layout = Container();
    QString errors;
    const QString script = QStringLiteral(
        "answer no\n"
        "open %1\n"
        "click-text 1 2 2\n"
        "dump %2\n"
        "type 1000 \\b\\bto!\n"
        "dump %3\n"
        "set-text 1028 4.50^5.25>300\n"
        "type 1028 \\\\\n"
        "focus 1030\n"
        "dump %4\n")
                               .arg(layout, path(QStringLiteral("price.json")), path(QStringLiteral("typed.json")),
                                    path(QStringLiteral("set.json")));
    ASSERT_EQ(run(script, &errors), 0) << qPrintable(errors);
    const auto text = [](const QJsonObject &state, int id) {
        return Control(state, id)[QStringLiteral("text")].toString();
    };

    // The click on the price selected it and gave its box the focus.
    const QJsonObject price = state(QStringLiteral("price.json"));
    EXPECT_EQ(price[QStringLiteral("FocusedBox")].toInt(), 1028);
    EXPECT_EQ(price[QStringLiteral("ActiveLabel")].toInt(), 1043);
    EXPECT_EQ(price[QStringLiteral("PriceCaretPosition")].toInt(), 0);
    EXPECT_EQ(price[QStringLiteral("PricesSelection")].toArray(), (QJsonArray{0, 4}));
    EXPECT_EQ(text(price, 1000), QStringLiteral("Soup\r\nTomato"));
    EXPECT_EQ(text(price, 1028), QStringLiteral("4.50"));

    // Typing into the main box moved the focus there first.
    const QJsonObject typed = state(QStringLiteral("typed.json"));
    EXPECT_EQ(typed[QStringLiteral("FocusedBox")].toInt(), 1000);
    EXPECT_EQ(typed[QStringLiteral("ActiveLabel")].toInt(), 1040);
    EXPECT_EQ(typed[QStringLiteral("EditedTextItem")].toInt(), 0);
    EXPECT_EQ(text(typed, 1000), QStringLiteral("Soup\r\nTomato!"));
    EXPECT_EQ(Strip(typed, 1, 2)[QStringLiteral("MainItemTextParams")][QStringLiteral("Text")].toString(),
              QStringLiteral("Soup\r\nTomato!"));

    // The backslash typed after the set text was refused.
    const QJsonObject set = state(QStringLiteral("set.json"));
    EXPECT_EQ(text(set, 1028), QStringLiteral("4.50^5.25>300"));
    EXPECT_EQ(Strip(set, 1, 2)[QStringLiteral("PricesTextParams")][QStringLiteral("Text")].toString(),
              QStringLiteral("4.50^5.25>300"));
    EXPECT_EQ(set[QStringLiteral("FocusedBox")].toInt(), 1030);
    EXPECT_EQ(set[QStringLiteral("ActiveLabel")].toInt(), 1044);
}

} // namespace
} // namespace zorvan
