// Saving and printing in scripted sessions of the real zorvan-editor program.
#include "mainwindow.h"
#include "runworkspace.h"
#include "scriptdialogs.h"

#include "editing/controlids.h"
#include "editing/printcommand.h"
#include "editing/savecommands.h"

#include "tempdir.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

class SaveSessionTest : public ::testing::Test {
protected:
    test::TempDir temp;
    QString appData = temp.file(QStringLiteral("appdata"));
    QString menus = temp.file(QStringLiteral("menus"));

    SaveSessionTest() { QDir().mkpath(menus); }

    QString background(int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(QColor(30, 60, 90));
        const QString path = temp.file(QStringLiteral("Board.jpg"));
        EXPECT_TRUE(image.save(path, "JPEG"));
        return path;
    }

    int run(const QString &script, QString *errors = nullptr)
    {
        const QString file = temp.file(QStringLiteral("session.txt"));
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(script.toUtf8());
        out.close();
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZORVAN_APPDATA_DIR"), appData);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(ZORVAN_BINARY_DIR "/src/shell/zorvan-editor"), QStringList{QStringLiteral("--script"), file});
        EXPECT_TRUE(process.waitForFinished(60000));
        if (errors)
            *errors = QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QJsonObject json(const QString &name) const
    {
        QFile file(temp.file(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name);
        return QJsonDocument::fromJson(file.readAll()).object();
    }
};

TEST_F(SaveSessionTest, SaveAPortraitBoardTurnedClockwise)
{
    // The menu's "Save &As..." saves a board that has only its background so far.
    const QString script = QStringLiteral("answer-file %1\nbutton 57601\n"
                                          "answer-file %2/Lunch.ZORVAN\nanswer-rotation cw\nanswer ok\nbutton 57603\n"
                                          "dump %3\n"
                                          "button 1016\n")
                               .arg(background(48, 64), menus, temp.file(QStringLiteral("saved.json")));
    QString errors;
    ASSERT_EQ(run(script, &errors), 0) << qPrintable(errors);
    EXPECT_EQ(QImageReader(menus + QStringLiteral("/Lunch_TV.jpg")).size(), QSize(64, 48));
    EXPECT_TRUE(QFile::exists(menus + QStringLiteral("/Lunch_LAYOUT.ZORVAN")));
    QFile remembered(appData + QStringLiteral("/Trelmont/RotationData.txt"));
    ASSERT_TRUE(remembered.open(QIODevice::ReadOnly));
    EXPECT_EQ(remembered.readAll(), QByteArray("1\0", 2));

    const QJsonObject saved = json(QStringLiteral("saved.json"));
    EXPECT_FALSE(saved[QStringLiteral("Modified")].toBool());
    const QJsonArray messages = saved[QStringLiteral("Messages")].toArray();
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_EQ(messages.last().toString(),
              SavedMessage(QStringLiteral("Lunch_LAYOUT.ZORVAN"), QStringLiteral("Lunch_TV.jpg"), menus, false));

}

TEST_F(SaveSessionTest, YesThenCancelKeepsTheEditsAndTheWindow)
{
    const QString script = QStringLiteral("answer-file %1\nbutton 57601\n"
                                          "answer yes\nanswer-file cancel\nbutton 1016\n"
                                          "dump %2\n")
                               .arg(background(64, 48), temp.file(QStringLiteral("after.json")));
    QString errors;
    ASSERT_EQ(run(script, &errors), 0) << qPrintable(errors);
    const QJsonObject after = json(QStringLiteral("after.json"));
    EXPECT_TRUE(after[QStringLiteral("Modified")].toBool());
    EXPECT_TRUE(QDir(menus).isEmpty());
}

} // namespace
} // namespace zorvan

namespace zorvan {
namespace {

// "Print" of the real window, to the PDF file the environment names.
TEST(PrintSession, APortraitBoardIsPrintedUnrotatedIntoThePdfFile)
{
    test::TempDir temp;
    const QString pdf = temp.file(QStringLiteral("board.pdf"));
    qputenv("ZORVAN_PRINT_TO_PDF", QFile::encodeName(pdf));
    RunWorkspace workspace;
    ASSERT_TRUE(workspace.start(temp.file(QStringLiteral("appdata"))));
    ScriptDialogs dialogs;
    MainWindow window(workspace, &dialogs);
    window.Initialise(temp.path() + QLatin1Char('/'));
    window.show();
    window.setClientSize(QSize(1600, 900));

    QImage image(48, 64, QImage::Format_RGB32);
    image.fill(QColor(30, 60, 90));
    const QString background = temp.file(QStringLiteral("Tall.jpg"));
    ASSERT_TRUE(image.save(background, "JPEG"));
    dialogs.queueFile(background);
    ASSERT_TRUE(window.pressControl(ctl::MenuOpen));
    dialogs.queueAnswer(MessageAnswer::Ok);
    ASSERT_TRUE(window.editor().RunCommand(CommandEvent{ctl::Print, false, false}));
    qunsetenv("ZORVAN_PRINT_TO_PDF");

    EXPECT_TRUE(dialogs.unanswered().isEmpty()) << qPrintable(dialogs.unanswered());
    EXPECT_EQ(dialogs.messages().last(), QString::fromUtf8(kPrintInstructions));
    EXPECT_EQ(QImageReader(temp.file(QStringLiteral("appdata/Trelmont/print.jpg"))).size(), QSize(48, 64));
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    const QByteArray bytes = printed.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.contains("/Width 48"));
    EXPECT_TRUE(bytes.contains("/Height 64"));
}

} // namespace
} // namespace zorvan
