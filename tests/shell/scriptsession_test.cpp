// Scripted sessions of the real zorvan-editor program, headless.
#include "editing/helpcommands.h"

#include "tempdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

struct SessionRun {
    int exitCode = -1;
    QString errors;
};

class ScriptSessionTest : public ::testing::Test {
protected:
    test::TempDir temp;
    QString appData = temp.file(QStringLiteral("appdata"));

    QString path(const QString &name) const { return temp.file(name); }

    SessionRun run(const QString &script, const QStringList &extra = {})
    {
        const QString file = path(QStringLiteral("session.txt"));
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(script.toUtf8());
        out.close();
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZORVAN_APPDATA_DIR"), appData);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(ZORVAN_BINARY_DIR "/src/shell/zorvan-editor"),
                      QStringList{QStringLiteral("--script"), file} + extra);
        EXPECT_TRUE(process.waitForFinished(60000));
        SessionRun result;
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.errors = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    QJsonObject json(const QString &name) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name);
        return QJsonDocument::fromJson(file.readAll()).object();
    }
};

TEST_F(ScriptSessionTest, TheThreeEndingsAndTheirWorkFolders)
{
    struct Case {
        const char *ending;
        bool folderKept;
    };
    for (const Case &c : {Case{"button 1016", false}, Case{"button 32771", true}, Case{"close", false}}) {
        SCOPED_TRACE(c.ending);
        const SessionRun r = run(QStringLiteral("dump %1\n%2\ndump %3\n")
                              .arg(path(QStringLiteral("before.json")), QString::fromUtf8(c.ending),
                                   path(QStringLiteral("never.json"))));
        EXPECT_EQ(r.exitCode, 0) << qPrintable(r.errors);
        const QString work = json(QStringLiteral("before.json"))[QStringLiteral("WorkFolder")].toString();
        ASSERT_TRUE(work.startsWith(appData + QStringLiteral("/Trelmont/QRT"))) << qPrintable(work);
        EXPECT_EQ(QFileInfo::exists(work), c.folderKept);
        // The editor ended: the rest of the script did not run.
        EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("never.json"))));
    }
}

TEST_F(ScriptSessionTest, AFileArgumentIsRefused)
{
    const QString layout = path(QStringLiteral("Lunch_LAYOUT.ZORVAN"));
    SessionRun r = run(QStringLiteral("answer ok\n"), {layout});
    EXPECT_EQ(r.exitCode, 0) << qPrintable(r.errors);
    EXPECT_FALSE(QFileInfo::exists(appData + QStringLiteral("/Trelmont")));

    r = run(QString(), {layout});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.errors.contains(QStringLiteral("This file must be opened\nwith Zorvan editing software.")))
        << qPrintable(r.errors);
}

TEST_F(ScriptSessionTest, AWorkFolderThatCannotBeMadeIsReportedAtStart)
{
    // A file where the application data folder should be: no folder can be made in it, even by root.
    QFile blocker(appData);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const SessionRun r = run(QStringLiteral("answer ok\ndump %1\n").arg(path(QStringLiteral("state.json"))));
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.errors);
    const QJsonObject state = json(QStringLiteral("state.json"));
    const QJsonArray messages = state[QStringLiteral("Messages")].toArray();
    ASSERT_EQ(messages.size(), 1);
    const QString message = messages[0].toString();
    EXPECT_TRUE(message.startsWith(QStringLiteral("The editor cannot make its work folder: ")))
        << qPrintable(message);
    EXPECT_TRUE(message.contains(appData)) << qPrintable(message);
    EXPECT_TRUE(state[QStringLiteral("WorkFolder")].toString().isEmpty());
}

TEST_F(ScriptSessionTest, StartsWithTitleStatusAndThePanelInItsNoSelectionState)
{
    const SessionRun r = run(QStringLiteral("dump %1\n").arg(path(QStringLiteral("start.json"))));
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.errors);
    const QJsonObject state = json(QStringLiteral("start.json"));
    EXPECT_EQ(state[QStringLiteral("Title")].toString(), QStringLiteral("Zorvan PRO Editor 3.0 Ver 3.0.30.21"));
    EXPECT_EQ(state[QStringLiteral("Status")].toString(), QStringLiteral("EDIT MODE:"));
    EXPECT_FALSE(state[QStringLiteral("Modified")].toBool());
    EXPECT_EQ(state[QStringLiteral("UndoCount")].toInt(), 0);
    EXPECT_TRUE(state[QStringLiteral("Messages")].toArray().isEmpty());
    const QJsonObject document = state[QStringLiteral("Document")].toObject();
    EXPECT_EQ(document[QStringLiteral("NumberOfColumns")].toInt(), 2);
    EXPECT_EQ(document[QStringLiteral("NumberOfRows")].toInt(), 16);
    EXPECT_TRUE(document[QStringLiteral("Strips")].toArray().isEmpty());

    const QJsonObject controls = state[QStringLiteral("Controls")].toObject();
    // Enabled, visible, checked, caption of a cross-section of the panel.
    struct Expected {
        int id;
        bool enabled, visible, checked;
        const char *caption;
    };
    const Expected expected[] = {
        {1026, true, true, false, "Open Zorvan Layout File"},
        {1015, false, true, false, "Save Layout && TV Image Files"},
        {1140, false, true, false, "Print"},
        {1142, false, true, false, "White Bgnd Print Menu Format"},
        {1110, true, true, false, "Help Videos"},
        {1179, false, true, true, "Micro"},
        {1180, false, true, false, "Macro"},
        {1101, false, true, false, "Tab Instructions"},
        {1188, true, true, false, "Copy or Move Menu Item\nInstructions"},
        {1016, true, true, false, "Exit"},
        {1184, true, true, false, "Group Mode Instructions"},
        {1174, false, true, false, "Vertically Space\nGrouped Items Evenly"},
        {1014, true, false, false, "Load New Background Image"},
        {1040, true, false, false, "ACTIVE"},
        {1010, false, false, false, ""},
        {1000, false, true, false, ""},
    };
    for (const Expected &e : expected) {
        SCOPED_TRACE(e.id);
        const QJsonObject control = controls[QString::number(e.id)].toObject();
        ASSERT_FALSE(control.isEmpty());
        EXPECT_EQ(control[QStringLiteral("enabled")].toBool(), e.enabled);
        EXPECT_EQ(control[QStringLiteral("visible")].toBool(), e.visible);
        EXPECT_EQ(control[QStringLiteral("checked")].toBool(), e.checked);
        EXPECT_EQ(control[QStringLiteral("caption")].toString(), QString::fromUtf8(e.caption));
    }
}

TEST_F(ScriptSessionTest, MessagesAndTheHelpPage)
{
    const SessionRun r = run(QStringLiteral("answer ok\n"
                                     "button 16\n"
                                     "expect-message Pictorix Version 3.0\n"
                                     "answer ok\n"
                                     "button 1184\n"
                                     "button 1110\n"
                                     "dump %1\n")
                          .arg(path(QStringLiteral("state.json"))));
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.errors);
    const QJsonObject state = json(QStringLiteral("state.json"));
    const QJsonArray messages = state[QStringLiteral("Messages")].toArray();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1].toString(), QString::fromUtf8(kGroupInstructions));
    const QJsonArray urls = state[QStringLiteral("OpenedUrls")].toArray();
    ASSERT_EQ(urls.size(), 1);
    EXPECT_TRUE(urls[0].toString().endsWith(QStringLiteral("/help.html")));
}

TEST_F(ScriptSessionTest, ExitStatuses)
{
    struct Case {
        const char *script;
        int status;
        const char *error;
    };
    const Case cases[] = {
        {"answer ok\nbutton 16\nexpect-message Pictorix Version 3.0\n", 0, ""},
        {"answer ok\nbutton 16\nexpect-message Pictorix 3\n", 1, "line 3: expect-message"},
        {"expect-status EDIT MODE:  TEXT\n", 1, "line 1: expect-status: status is \"EDIT MODE:\""},
        {"button 16\n", 3, "line 1: no answer for the dialog \"Pictorix Version 3.0\""},
        {"button 1140\n", 1, "line 1: button: control 1140 is disabled"},
        {"button 9999\n", 1, "control 9999 does not exist"},
        {"check 1016\n", 1, "control 1016 is not a check box"},
        {"click-strip 0 0\n", 1, "line 1: click-strip: strip (0,0) was not drawn"},
        {"click-text 9 0 0\n", 1, "there is no text block 0 of strip (9,0)"},
        {"rdrag-cell 0 0 1 1\n", 1, "cell (0,0) is not on the board"},
        {"size 0 600\n", 1, "size 0 x 600 is not a window size"},
        {"size 100000 600\n", 1, "size 100000 x 600 is not a window size"},
        {"size 800\n", 2, "line 1: size needs more arguments"},
        {"fly away\n", 2, "unknown command 'fly'"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.script);
        const SessionRun r = run(QString::fromUtf8(c.script));
        EXPECT_EQ(r.exitCode, c.status) << qPrintable(r.errors);
        EXPECT_TRUE(r.errors.contains(QString::fromUtf8(c.error))) << qPrintable(r.errors);
    }
}

TEST_F(ScriptSessionTest, AClickOnAButtonPressesIt)
{
    SessionRun r = run(QStringLiteral("dump %1\n").arg(path(QStringLiteral("layout.json"))));
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.errors);
    const QJsonObject state = json(QStringLiteral("layout.json"));
    const QJsonArray exit = state[QStringLiteral("Controls")][QStringLiteral("1016")][QStringLiteral("rect")].toArray();
    ASSERT_EQ(exit.size(), 4);
    const int x = exit[0].toInt() + exit[2].toInt() / 2;
    const int y = exit[1].toInt() + exit[3].toInt() / 2;
    r = run(QStringLiteral("click %1 %2\ndump %3\n").arg(x).arg(y).arg(path(QStringLiteral("never.json"))));
    EXPECT_EQ(r.exitCode, 0) << qPrintable(r.errors);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("never.json"))));
    // A click on a disabled button does nothing.
    const QJsonArray print = state[QStringLiteral("Controls")][QStringLiteral("1140")][QStringLiteral("rect")].toArray();
    r = run(QStringLiteral("click %1 %2\ndump %3\n")
                .arg(print[0].toInt() + 5)
                .arg(print[1].toInt() + 5)
                .arg(path(QStringLiteral("after.json"))));
    EXPECT_EQ(r.exitCode, 0) << qPrintable(r.errors);
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("after.json"))));
}

TEST_F(ScriptSessionTest, AScriptThatCannotBeReadEndsWithStatusTwo)
{
    QProcess process;
    process.start(QStringLiteral(ZORVAN_BINARY_DIR "/src/shell/zorvan-editor"),
                  {QStringLiteral("--script"), path(QStringLiteral("missing.txt"))});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains(QStringLiteral("missing.txt")));
}

TEST_F(ScriptSessionTest, SizeSetsTheClientAreaAndThePreviewFollows)
{
    const SessionRun r = run(QStringLiteral("size 1200 700\npreview %1\nsize 1600 900\npreview %2\n")
                          .arg(path(QStringLiteral("small.png")), path(QStringLiteral("large.png"))));
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.errors);
    const QImage small(path(QStringLiteral("small.png")));
    const QImage large(path(QStringLiteral("large.png")));
    ASSERT_FALSE(small.isNull());
    ASSERT_FALSE(large.isNull());
    EXPECT_EQ(large.width() - small.width(), 400);
    EXPECT_EQ(large.height() - small.height(), 200);
}

TEST_F(ScriptSessionTest, TheNextStartRemovesAFolderLeftBehind)
{
    SessionRun r = run(QStringLiteral("dump %1\nbutton 32771\n").arg(path(QStringLiteral("one.json"))));
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.errors);
    const QString one = json(QStringLiteral("one.json"))[QStringLiteral("WorkFolder")].toString();
    ASSERT_TRUE(QFileInfo::exists(one));
    const QString leftover = one + QStringLiteral("/Background.jpg");
    ASSERT_TRUE(QFile(leftover).open(QIODevice::WriteOnly));

    r = run(QStringLiteral("dump %1\nbutton 32771\n").arg(path(QStringLiteral("two.json"))));
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.errors);
    const QString two = json(QStringLiteral("two.json"))[QStringLiteral("WorkFolder")].toString();
    EXPECT_TRUE(QFileInfo::exists(two));
    // The second start found no other instance: the first run's folder and files are gone
    // (a run in the same second may get the same name again, for a fresh folder).
    EXPECT_FALSE(QFileInfo::exists(leftover));
    if (one != two) {
        EXPECT_FALSE(QFileInfo::exists(one));
    }
}

TEST_F(ScriptSessionTest, LoadNewBackgroundImageFillsTheWorkFolder)
{
    QImage background(2000, 1000, QImage::Format_RGB32);
    background.fill(Qt::darkBlue);
    const QString chosen = path(QStringLiteral("Menu.jpg"));
    ASSERT_TRUE(background.save(chosen, "jpeg"));
    const SessionRun result = run(QStringLiteral("answer-file %1\nbutton 57601\ndump %2\n")
                                      .arg(chosen, path(QStringLiteral("state.json"))));
    ASSERT_EQ(result.exitCode, 0) << qPrintable(result.errors);
    const QJsonObject state = json(QStringLiteral("state.json"));
    EXPECT_EQ(state[QStringLiteral("WorkFolderFiles")].toArray(),
              (QJsonArray{QStringLiteral("Autosave.json"), QStringLiteral("Background.jpg"),
                          QStringLiteral("Background_Proxy.jpg")}));
    EXPECT_TRUE(state[QStringLiteral("BackgroundProxyInUse")].toBool());
    EXPECT_EQ(state[QStringLiteral("CurrentFilePath")].toString(), chosen);
    EXPECT_TRUE(state[QStringLiteral("Modified")].toBool());
}

} // namespace
} // namespace zorvan
