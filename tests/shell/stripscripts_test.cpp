// Scripted right-button drags, Undo and Shift-clicks through the real window.
#include "document/layouttext.h"
#include "document/menudata.h"

#include "tempdir.h"
#include "zipfixture.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <memory>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

class StripScriptsTest : public ::testing::Test {
protected:
    test::TempDir temp;

    QString path(const QString &name) const { return temp.file(name); }

    // Runs the script after loading an 800 x 600 background; returns the exit status.
    int run(const QString &script, QString *errors)
    {
        const QString background = path(QStringLiteral("Menu.jpg"));
        QImage image(800, 600, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        EXPECT_TRUE(QImageWriter(background, "jpeg").write(image));
        QFile out(path(QStringLiteral("session.txt")));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(QStringLiteral("answer-file %1\nbutton 57601\n").arg(background).toUtf8() + script.toUtf8());
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

    static QJsonArray Entries(std::initializer_list<std::array<int, 3>> entries)
    {
        QJsonArray list;
        for (const auto &[c, r, kind] : entries)
            list.append(QJsonObject{{QStringLiteral("Column"), c}, {QStringLiteral("Row"), r},
                                    {QStringLiteral("Kind"), kind}});
        return list;
    }
};

TEST_F(StripScriptsTest, DragsFillTheUndoListAndUndoTakesThemOffStepByStep)
{
    QString errors;
    const QString script = QStringLiteral(
        "rdrag-cell 0 0 1 1\n"
        "expect-status EDIT MODE:  IDLE\n"
        "dump %1\n"
        "rdrag-cell 0 2 1 3 alt\n"
        "dump %2\n"
        "button 1111\n"
        "dump %3\n"
        "button 1111\n"
        "dump %4\n"
        "rdrag 200 400 203 404\n"
        "dump %5\n")
                               .arg(path(QStringLiteral("copy.json")), path(QStringLiteral("move.json")),
                                    path(QStringLiteral("undo1.json")), path(QStringLiteral("undo2.json")),
                                    path(QStringLiteral("click.json")));
    ASSERT_EQ(run(script, &errors), 0) << qPrintable(errors);
    const QJsonObject copy = state(QStringLiteral("copy.json"));
    EXPECT_EQ(copy[QStringLiteral("Undo")].toArray(), Entries({{1, 1, 0}}));
    EXPECT_EQ(copy[QStringLiteral("UndoCount")].toInt(), 1);
    EXPECT_EQ(copy[QStringLiteral("RightDrag")].toString(), QStringLiteral("none"));
    EXPECT_TRUE(copy[QStringLiteral("Controls")][QStringLiteral("1111")][QStringLiteral("enabled")].toBool());
    EXPECT_EQ(state(QStringLiteral("move.json"))[QStringLiteral("Undo")].toArray(),
              Entries({{1, 1, 0}, {0, 2, 0}, {1, 3, 1}}));
    EXPECT_EQ(state(QStringLiteral("undo1.json"))[QStringLiteral("Undo")].toArray(), Entries({{1, 1, 0}}));
    const QJsonObject undone = state(QStringLiteral("undo2.json"));
    EXPECT_TRUE(undone[QStringLiteral("Undo")].toArray().isEmpty());
    EXPECT_FALSE(undone[QStringLiteral("Controls")][QStringLiteral("1111")][QStringLiteral("enabled")].toBool());
    EXPECT_TRUE(state(QStringLiteral("click.json"))[QStringLiteral("Undo")].toArray().isEmpty());
}

// A container of a 2 x 4 layout whose strip (1, 2) holds "Soup" on a green fill.
QString SoupContainer(const QString &path)
{
    auto doc = std::make_unique<MenuData>();
    doc->NumberOfColumns = 2;
    doc->NumberOfRows = 4;
    doc->strip(1, 2).BackGroundColor = MakeColour(0, 90, 0);
    doc->strip(1, 2).MainItemTextParams.Text = QStringLiteral("Soup");
    doc->strip(1, 2).MainItemTextParams.Font = QStringLiteral("DejaVu Sans");
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    EXPECT_TRUE(test::WriteZip(
        path, {{"Layout.XZORVAN",
                EncodeLayoutBytes(ScrambleLayoutText(WriteLayoutText(*doc, QStringLiteral("Background.jpg"))))},
               {"Background.jpg", jpeg}}));
    return path;
}

TEST_F(StripScriptsTest, AnOpenedStripIsMovedAndTheMoveUndoneInOneStep)
{
    const QString layout = SoupContainer(path(QStringLiteral("Lunch_LAYOUT.ZORVAN")));
    QString errors;
    const QString script = QStringLiteral("answer no\nopen %1\nrdrag-cell 1 2 0 0 alt\ndump %2\nbutton 1111\ndump %3\n")
                               .arg(layout, path(QStringLiteral("moved.json")), path(QStringLiteral("undone.json")));
    ASSERT_EQ(run(script, &errors), 0) << qPrintable(errors);
    const auto mainText = [](const QJsonObject &state, int column, int row) {
        for (const QJsonValue &strip : state[QStringLiteral("Document")][QStringLiteral("Strips")].toArray()) {
            if (strip[QStringLiteral("Column")].toInt() == column && strip[QStringLiteral("Row")].toInt() == row)
                return strip[QStringLiteral("MainItemTextParams")][QStringLiteral("Text")].toString();
        }
        return QString();
    };
    const QJsonObject moved = state(QStringLiteral("moved.json"));
    EXPECT_EQ(mainText(moved, 0, 0), QStringLiteral("Soup"));
    EXPECT_EQ(mainText(moved, 1, 2), QString());
    EXPECT_EQ(moved[QStringLiteral("Undo")].toArray(), Entries({{1, 2, 0}, {0, 0, 1}}));
    const QJsonObject undone = state(QStringLiteral("undone.json"));
    EXPECT_EQ(mainText(undone, 1, 2), QStringLiteral("Soup"));
    EXPECT_EQ(mainText(undone, 0, 0), QString());
    EXPECT_TRUE(undone[QStringLiteral("Undo")].toArray().isEmpty());
}

TEST_F(StripScriptsTest, AShiftClickStartsGroupModeAndAPlainClickEndsIt)
{
    QString errors;
    const QString script = QStringLiteral(
        "click 300 500 shift\n"
        "expect-status EDIT MODE:  GROUP\n"
        "dump %1\n"
        "click 300 500\n"
        "dump %2\n")
                               .arg(path(QStringLiteral("group.json")), path(QStringLiteral("plain.json")));
    ASSERT_EQ(run(script, &errors), 0) << qPrintable(errors);
    const QJsonObject group = state(QStringLiteral("group.json"));
    EXPECT_TRUE(group[QStringLiteral("GroupMode")].toBool());
    EXPECT_TRUE(group[QStringLiteral("Group")].toArray().isEmpty()) << "no text under the click";
    EXPECT_FALSE(group[QStringLiteral("Controls")][QStringLiteral("1174")][QStringLiteral("enabled")].toBool());
    EXPECT_FALSE(state(QStringLiteral("plain.json"))[QStringLiteral("GroupMode")].toBool());
}

} // namespace
} // namespace zorvan
